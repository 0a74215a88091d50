# the project and settings file tests and the check of the bundled examples
list(APPEND APP_TEST_SOURCES filetestutil.h tst_projectfile.cpp)
