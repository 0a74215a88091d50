// the print library gets its painter surface here
