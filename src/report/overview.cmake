# text overview, print settings, report sections
