# Start-up, the post-login set-up, the main frame and the orderly end.
list(APPEND APP_SOURCES
  error_log_takeover.cpp
  main_frame.cpp
  startup_end.cpp
  startup_environment.cpp
  startup_hooks.cpp
  startup_main.cpp
  startup_operator.cpp
  startup_record.cpp
  startup_sales_state.cpp
  startup_settings.cpp
)
