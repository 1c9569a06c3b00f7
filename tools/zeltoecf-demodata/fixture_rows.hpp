#pragma once
// A fixture read into rows of field names and values. A fixture comes in
// one of two shapes:
//   - records: the first line names the fields, each further line is one
//     record;
//   - one record written down the page, for the one-record tables with many
//     fields (the configuration, the general parameters): the first line is
//     "FIELD,VALUE" (a third column "NOTE" may explain the value), then one
//     line per field.
// Values are UTF-8 text as people write them; the table writer turns them
// into field values.

#include <string>
#include <string_view>
#include <vector>

namespace zelto::demodata {

struct Cell {
  std::string field;  // upper case
  std::string text;   // UTF-8, or Windows-1252 bytes when raw
  bool raw = false;   // bytes made by the tool (a scrambled password), stored as they are
  int line = 0;       // its own line in a one-record fixture written down the page
};

struct FixtureRow {
  std::string source;  // "m001.csv"
  int line = 0;        // where the record starts, 1-based
  std::vector<Cell> cells;

  // The value of a field, or "" when the row does not give it.
  std::string get(std::string_view field) const;
  bool has(std::string_view field) const;
  // Replaces the field's value, or adds the field.
  void set(std::string_view field, std::string text, bool raw = false);
  std::string where() const;                  // "m001.csv line 3"
  std::string where(const Cell& cell) const;  // the cell's own line when it has one
  std::string where(std::string_view field) const;
};

// Throws DemoError naming the source and line of a malformed record.
std::vector<FixtureRow> read_fixture(std::string_view source, std::string_view text);

}  // namespace zelto::demodata
