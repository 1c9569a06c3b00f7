# Start-up, the post-login set-up, the error log and the orderly end; the
# headless program run end to end.
list(APPEND APP_TEST_SOURCES
  startup_error_log_test.cpp
  startup_fingerprint_test.cpp
  startup_script_test.cpp
  startup_sequence_test.cpp
  startup_settings_test.cpp
)
# The end-to-end test runs the built zeltoecf-script.
cmake_language(DEFER CALL add_dependencies app_tests zeltoecf-script)
# Their data folders hold the printer and signing libraries.
cmake_language(DEFER CALL add_dependencies app_tests ecfsim sign_bema)
cmake_language(DEFER CALL target_compile_definitions app_tests PRIVATE
  "ZELTOECF_SCRIPT=\"$<TARGET_FILE:zeltoecf-script>\"")
# The main frame on the real screen.
if(ZELTO_WITH_QT)
  zelto_test(NAME app_startup_qt_tests
    SOURCES startup_qt_test.cpp
    DEPS zelto_app zelto_screen_qt Qt6::Test
    LABELS app)
  cmake_language(DEFER CALL add_dependencies app_startup_qt_tests ecfsim sign_bema)
  target_compile_definitions(app_startup_qt_tests PRIVATE ZELTO_TEST_FONT="${PROJECT_SOURCE_DIR}/tests/ui/fonts/DejaVuSans.ttf")
endif()
