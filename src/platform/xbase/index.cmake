# The index layer: key expressions and Clipper .ntx orders.
list(APPEND XBASE_SOURCES
  key_expr.cpp
  key_parser.cpp
  ntx_build.cpp
  ntx_cache.cpp
  ntx_check.cpp
  ntx_header.cpp
  ntx_index.cpp
  ntx_insert.cpp
  ntx_page.cpp
  ntx_remove.cpp
  ntx_search.cpp
  ntx_tree.cpp
)
