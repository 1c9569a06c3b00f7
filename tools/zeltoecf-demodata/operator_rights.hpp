#pragma once
// Operators as the login reads them, and what each may do.
//
// m001.csv gives each password as it is typed at the login (C003); the
// table keeps its scrambled form. Rights come from groups, as the group
// screens grant them: every member of a group (m003.csv) holds each of the
// group's functions (m005.csv) in UM with origin "G". Rights given to one
// operator alone may be listed in m006.csv (origin "I" unless stated).

#include <map>
#include <string>
#include <vector>

#include "fixture_rows.hpp"

namespace zelto::demodata {

// Rows of each table by alias ("US", "UM" ...).
using DataSet = std::map<std::string, std::vector<FixtureRow>>;

// Replaces each operator's C003 by its stored form. Throws DemoError on a
// password the login could not take (more than six characters, or
// characters other than letters and digits).
void store_passwords(std::vector<FixtureRow>& operators);

// The UM rows: the group rights of every member, then the rights of
// m006.csv (which win over a group's for the same function).
std::vector<FixtureRow> operator_rights(const DataSet& data);

}  // namespace zelto::demodata
