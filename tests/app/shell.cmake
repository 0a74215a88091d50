# list(APPEND APP_TEST_SOURCES ...) for the main-window state and helper tests
