# The closing of a receipt: the discount or surcharge, the payment forms,
# the change, the credit data and the instalments.
list(APPEND SALES_SOURCES
  closing_adjustment.cpp
  closing_checks.cpp
  closing_payment.cpp
  closing_screen.cpp
  instalments.cpp
  payment_forms.cpp
)
# The footer and the recording join the payment when they are built.
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/recording.cmake)
  set_property(SOURCE closing_payment.cpp DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
               APPEND PROPERTY COMPILE_DEFINITIONS ZELTO_WITH_RECORDING)
endif()
