#pragma once
// Fixture rows into an open table. Each value goes through its field's type
// (text to Windows-1252, numbers, dates YYYYMMDD or DD/MM/YYYY, logicals);
// a field a row leaves out stays blank. Tables that carry who wrote a record
// and when (C262, C263 and, where it is the author, C001) get them stamped
// unless the fixture gives them.

#include <string>
#include <vector>

#include "fixture_rows.hpp"
#include "platform/runtime/date.hpp"
#include "platform/xbase/table.hpp"

namespace zelto::demodata {

struct WriteStamp {
  std::string operator_code;  // who installed the data
  runtime::Date date;
  std::string hhmm;
};

// Every value of a row is checked before its record is appended, so a bad
// value names its fixture line and leaves no half-written record. Throws
// DemoError.
void write_rows(xbase::Table& table, const std::vector<FixtureRow>& rows, const WriteStamp& stamp);

}  // namespace zelto::demodata
