list(APPEND REPORT_TEST_SOURCES tst_renderer_fixture.h tst_renderer.cpp tst_renderer_layout.cpp)
