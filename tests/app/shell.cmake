# list(APPEND APP_TEST_SOURCES ...) for the main-window state and helper tests
list(APPEND APP_TEST_SOURCES tst_helpers.cpp
  tst_mainstate_fixture.h tst_mainstate_startup.cpp tst_mainstate_files.cpp
  tst_mainstate_commands.cpp)
