# main-window state and shared helpers
