zelto_test(NAME xbase_index_tests
  SOURCES
    key_expr_test.cpp
    key_numeric_test.cpp
    ntx_model_test.cpp
    ntx_build_test.cpp
    ntx_shared_test.cpp
    ntx_damage_test.cpp
  DEPS zelto_xbase
  LABELS engine)
