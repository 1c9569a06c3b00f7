# The sales screen's states, the receipt opening and its checks.
list(APPEND SALES_TEST_SOURCES
  screen_receipt_open_test.cpp
  screen_state_test.cpp
)
list(APPEND SALES_TEST_DEPS zelto_ecfsim_core)
# The data folders hold the printer and signing libraries.
cmake_language(DEFER CALL add_dependencies sales_tests ecfsim sign_bema)
# The sales screen on the real screen.
if(ZELTO_WITH_QT)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  zelto_test(NAME sales_screen_qt_tests
    SOURCES screen_qt_test.cpp
    DEPS zelto_sales zelto_screen_qt zelto_ecfsim_core Qt6::Test
    LABELS sales)
  cmake_language(DEFER CALL add_dependencies sales_screen_qt_tests ecfsim sign_bema)
  target_compile_definitions(sales_screen_qt_tests PRIVATE
    ZELTO_TEST_FONT="${PROJECT_SOURCE_DIR}/tests/ui/fonts/DejaVuSans.ttf")
endif()
