#include "fixture_rows.hpp"

#include <algorithm>
#include <set>
#include <sstream>

#include "csv.hpp"
#include "demo_error.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::demodata {

std::string FixtureRow::get(std::string_view field) const {
  for (const auto& c : cells)
    if (c.field == field) return c.text;
  return {};
}

bool FixtureRow::has(std::string_view field) const {
  return std::any_of(cells.begin(), cells.end(), [&](const Cell& c) { return c.field == field; });
}

void FixtureRow::set(std::string_view field, std::string text, bool raw) {
  for (auto& c : cells)
    if (c.field == field) {
      c.text = std::move(text);
      c.raw = raw;
      return;
    }
  cells.push_back({std::string(field), std::move(text), raw, 0});
}

std::string FixtureRow::where() const { return source + " line " + std::to_string(line); }

std::string FixtureRow::where(const Cell& cell) const {
  return source + " line " + std::to_string(cell.line ? cell.line : line);
}

std::string FixtureRow::where(std::string_view field) const {
  for (const auto& c : cells)
    if (c.field == field) return where(c);
  return where();
}

namespace {

bool blank_record(const std::vector<std::string>& r) {
  return std::all_of(r.begin(), r.end(), [](const std::string& v) { return runtime::trim(v).empty(); });
}

// Walks the records of a CSV text, knowing the line each one starts on.
class RecordReader {
 public:
  RecordReader(std::string_view source, std::string_view text) : source_(source), text_(text), in_(std::string(text)) {}

  bool next(std::vector<std::string>& record, int& line) {
    line = line_at(in_.tellg());
    try {
      auto r = tools::read_csv_record(in_);
      if (!r) return false;
      record = std::move(*r);
      return true;
    } catch (const std::runtime_error& e) {
      throw DemoError(std::string(source_) + " line " + std::to_string(line) + ": " + e.what());
    }
  }

 private:
  int line_at(std::streampos pos) {
    const size_t end = pos < 0 ? text_.size() : static_cast<size_t>(pos);
    for (; counted_ < end && counted_ < text_.size(); ++counted_)
      if (text_[counted_] == '\n') ++line_;
    return line_;
  }

  std::string_view source_;
  std::string_view text_;
  std::istringstream in_;
  size_t counted_ = 0;
  int line_ = 1;
};

std::vector<std::string> field_names(std::string_view source, const std::vector<std::string>& header) {
  std::vector<std::string> names;
  std::set<std::string> seen;
  for (const auto& h : header) {
    std::string name = runtime::upper(runtime::trim(h));
    if (name.empty()) throw DemoError(std::string(source) + " line 1: a column has no field name");
    if (!seen.insert(name).second) throw DemoError(std::string(source) + " line 1: the field " + name + " comes twice");
    names.push_back(name);
  }
  return names;
}

bool is_down_the_page(const std::vector<std::string>& names) {
  return (names.size() == 2 || names.size() == 3) && names[0] == "FIELD" && names[1] == "VALUE" &&
         (names.size() == 2 || names[2] == "NOTE");
}

}  // namespace

std::vector<FixtureRow> read_fixture(std::string_view source, std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte-order mark some editors write
  RecordReader reader(source, text);
  std::vector<std::string> record;
  int line = 0;
  if (!reader.next(record, line)) throw DemoError(std::string(source) + " is empty: its first line names the fields");
  const std::vector<std::string> names = field_names(source, record);
  const bool down_the_page = is_down_the_page(names);

  std::vector<FixtureRow> rows;
  FixtureRow single{std::string(source), 2, {}};
  while (reader.next(record, line)) {
    if (blank_record(record)) continue;
    const std::string where = std::string(source) + " line " + std::to_string(line);
    if (record.size() != names.size())
      throw DemoError(where + ": " + std::to_string(record.size()) + " values for " + std::to_string(names.size()) +
                      " columns");
    if (down_the_page) {
      std::string field = runtime::upper(runtime::trim(record[0]));
      if (field.empty()) throw DemoError(where + ": no field name");
      if (single.has(field)) throw DemoError(where + ": the field " + field + " comes twice");
      single.cells.push_back({field, record[1], false, line});
      continue;
    }
    FixtureRow row{std::string(source), line, {}};
    for (size_t i = 0; i < names.size(); ++i) row.cells.push_back({names[i], record[i], false, 0});
    rows.push_back(std::move(row));
  }
  if (down_the_page && !single.cells.empty()) rows.push_back(std::move(single));
  return rows;
}

}  // namespace zelto::demodata
