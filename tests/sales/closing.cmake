# The closing of a receipt: adjustments, forms, change and instalments.
list(APPEND SALES_TEST_SOURCES
  closing_money_test.cpp
  closing_road_test.cpp
)
