list(APPEND CLI_TEST_SOURCES tst_cli_report.cpp)
