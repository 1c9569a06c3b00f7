# The main frame's function-key rows, the system menu and the error-log
# viewer.
list(APPEND APP_TEST_SOURCES
  frame_error_log_test.cpp
  frame_main_test.cpp
  frame_menu_test.cpp
  frame_rows_test.cpp
)
