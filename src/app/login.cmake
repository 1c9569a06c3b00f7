# The login window, the credential checks, access rights and the
# supervisor's authorisation.
list(APPEND APP_SOURCES login.cpp login_credentials.cpp rights.cpp supervisor.cpp)
