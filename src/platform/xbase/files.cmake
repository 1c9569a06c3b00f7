list(APPEND XBASE_SOURCES dbf_header.cpp dbf_file.cpp memo_file.cpp)
