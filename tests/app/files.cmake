# list(APPEND APP_TEST_SOURCES ...) for the file tests
