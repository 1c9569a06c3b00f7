find_package(Qt6 REQUIRED COMPONENTS Test)
zelto_test(NAME screen_qt_tests
  SOURCES qt/qt_screen_test.cpp qt/qt_form_browse_test.cpp
  DEPS zelto_screen_qt Qt6::Test
  LABELS screen)
target_compile_definitions(screen_qt_tests PRIVATE ZELTO_TEST_FONT="${PROJECT_SOURCE_DIR}/tests/ui/fonts/DejaVuSans.ttf")
