# The main frame's function-key rows, the system menu and the error-log
# viewer.
list(APPEND APP_TEST_SOURCES
  frame_error_log_test.cpp
  frame_main_test.cpp
  frame_menu_test.cpp
  frame_rows_test.cpp
)
# The rows and the menu on the real screen.
if(ZELTO_WITH_QT)
  zelto_test(NAME app_frame_qt_tests
    SOURCES frame_qt_test.cpp
    DEPS zelto_app zelto_screen_qt Qt6::Test
    LABELS app)
  target_compile_definitions(app_frame_qt_tests PRIVATE ZELTO_TEST_FONT="${PROJECT_SOURCE_DIR}/tests/ui/fonts/DejaVuSans.ttf")
endif()
