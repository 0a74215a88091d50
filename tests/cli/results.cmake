list(APPEND CLI_TEST_SOURCES tst_cli_results.cpp)
