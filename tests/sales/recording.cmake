# The footer composition and its expressions, the recording of closed
# receipts against the emulated printer, and the recording finished after a
# killed run. A test program of their own: each test forks and kills
# checkout processes.
zelto_test(NAME sales_recording_tests
  SOURCES
    recording_footer_test.cpp
    recording_cash_test.cpp
    recording_crash_test.cpp
    recording_credit_test.cpp
  DEPS zelto_sales zelto_screen_scripted zelto_ecfsim_core
  LABELS sales)
target_compile_definitions(sales_recording_tests PRIVATE
  ECFSIM_BEMATECH="$<TARGET_FILE:ecfsim_bematech>"
  ECFSIM_DARUMA="$<TARGET_FILE:ecfsim_daruma>"
  ECFSIM_SWEDA="$<TARGET_FILE:ecfsim_sweda>"
  ECFSIM_EPSON="$<TARGET_FILE:ecfsim_epson>")
add_dependencies(sales_recording_tests ecfsim_bematech ecfsim_daruma ecfsim_sweda ecfsim_epson)
