# Item entry: the entry row and its checks, the lookup of items, scale
# labels, barcode and tax checks, the sale of a line with its records, the
# ANVISA data and the scale settings screen.
list(APPEND SALES_SOURCES
  amounts.cpp
  anvisa_screen.cpp
  barcode_check.cpp
  current_item.cpp
  item_entry.cpp
  item_lookup.cpp
  item_sale.cpp
  receipt_start.cpp
  sale_grand_total.cpp
  sale_records.cpp
  scale_label.cpp
  scale_settings.cpp
  tax_code.cpp
)
list(APPEND SALES_DEPS zelto_registry)
