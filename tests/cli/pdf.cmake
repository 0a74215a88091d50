if(ORNAVELD_GUI)
  list(APPEND CLI_TEST_SOURCES tst_cli_pdf.cpp)
  # The PDF is drawn by the real program: fonts need a GUI application, which this test
  # executable (a core application) does not start.
  set_property(SOURCE tst_cli_pdf.cpp APPEND PROPERTY COMPILE_DEFINITIONS
    "ORNAVELD_CLI_PROGRAM=\"$<TARGET_FILE:ornaveld-cli>\"")
  cmake_language(DEFER CALL add_dependencies tst_cli ornaveld-cli)
endif()
