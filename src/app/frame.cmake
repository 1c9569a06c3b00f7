# The main window's function-key rows, the system menu and the operations
# it starts, and the error-log viewer.
list(APPEND APP_SOURCES
  button_rows.cpp
  error_log_viewer.cpp
  menu_operations.cpp
  menu_system.cpp
  menu_table.cpp
)
# The menu starts the registrations' screens, the card managers' commands
# and the cash movements; the frame starts the sales screen.
list(APPEND APP_DEPS zelto_registry zelto_tef zelto_cash zelto_sales)
