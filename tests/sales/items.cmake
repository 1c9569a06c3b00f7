# Item entry: the lookup, scale labels, barcode and tax checks on their
# own, and the sale of lines through the sales window against the emulated
# printer.
list(APPEND SALES_TEST_SOURCES
  items_checks_test.cpp
  items_road_test.cpp
  items_screens_test.cpp
  items_sale_test.cpp
)
function(zelto_items_tests_setup)
  if(TARGET sales_tests)
    target_link_libraries(sales_tests PRIVATE zelto_ecfsim_core)
    target_compile_definitions(sales_tests PRIVATE
      ECFSIM_BEMATECH="$<TARGET_FILE:ecfsim_bematech>"
      ECFSIM_DARUMA="$<TARGET_FILE:ecfsim_daruma>"
      ECFSIM_SWEDA="$<TARGET_FILE:ecfsim_sweda>"
      ECFSIM_EPSON="$<TARGET_FILE:ecfsim_epson>")
    add_dependencies(sales_tests ecfsim_bematech ecfsim_daruma ecfsim_sweda ecfsim_epson)
    # The road through the headless program on a demo folder.
    target_compile_definitions(sales_tests PRIVATE
      ZELTOECF_SCRIPT="$<TARGET_FILE:zeltoecf-script>"
      ZELTOECF_DEMODATA="$<TARGET_FILE:zeltoecf-demodata>")
    add_dependencies(sales_tests zeltoecf-script zeltoecf-demodata)
  endif()
endfunction()
cmake_language(DEFER CALL zelto_items_tests_setup)
