list(APPEND XBASE_SOURCES table.cpp table_navigation.cpp table_orders.cpp workspace.cpp)
