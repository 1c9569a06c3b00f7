#pragma once
// The demo folder must work as it is: every code a record names exists in
// the table it points to (an item's unit, tax situation and manufacturer,
// the configuration's establishment, default client and footer layout, a
// right's function ...), and the keys people and the sale look records up
// by are not repeated.

#include "operator_rights.hpp"

namespace zelto::demodata {

// Throws DemoError naming the record and the missing or repeated code.
void check_references(const DataSet& data);

}  // namespace zelto::demodata
