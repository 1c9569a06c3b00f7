# The end of a receipt: its footer from the footer layouts, the printer's
# close, the journalled recording of the closed receipt and its completion
# at the next start when a run died in between.
list(APPEND SALES_SOURCES
  footer_expression.cpp
  footer_layout.cpp
  footer_screens.cpp
  receipt_close.cpp
  receipt_journal.cpp
  receipt_recording.cpp
  receipt_recovery.cpp
)
