# The login, access rights and the supervisor's authorisation; the login
# window on the real screen in a test of its own (Qt).
list(APPEND APP_TEST_SOURCES login_test.cpp rights_test.cpp supervisor_test.cpp)
if(ZELTO_WITH_QT)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  zelto_test(NAME app_login_qt_tests
    SOURCES login_qt_test.cpp
    DEPS zelto_app zelto_screen_qt Qt6::Test
    LABELS app)
  target_compile_definitions(app_login_qt_tests PRIVATE ZELTO_TEST_FONT="${PROJECT_SOURCE_DIR}/tests/ui/fonts/DejaVuSans.ttf")
endif()
