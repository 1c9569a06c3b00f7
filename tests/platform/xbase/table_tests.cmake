zelto_test(NAME xbase_table_tests
  SOURCES table_model_test.cpp table_behaviour_test.cpp table_repair_test.cpp table_append_hold_test.cpp
  DEPS zelto_xbase
  LABELS engine)
