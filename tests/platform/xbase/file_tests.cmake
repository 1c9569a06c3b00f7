zelto_test(NAME xbase_file_tests
  SOURCES
    dbf_layout_test.cpp
    dbf_damage_test.cpp
    dbf_interop_test.cpp
    dbf_crash_test.cpp
    lock_contention_test.cpp
    memo_file_test.cpp
  DEPS zelto_xbase
  LABELS engine)
