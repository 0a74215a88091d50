# the project and settings file tests and the check of the bundled examples
list(APPEND APP_TEST_SOURCES filetestutil.h tst_projectfile.cpp tst_settingsfile.cpp
  tst_examples.cpp)
# tst_app is made after this fragment is read: link the example builder once it exists.
cmake_language(DEFER CALL target_link_libraries tst_app PRIVATE ornaveld_examples)
