#include "table_writer.hpp"

#include <stdexcept>
#include <utility>

#include "demo_error.hpp"
#include "platform/xbase/error.hpp"
#include "value_text.hpp"

namespace zelto::demodata {

namespace {

using xbase::FieldDef;
using xbase::FieldType;
using xbase::Value;

bool stamps_its_records(const xbase::Table& t) { return t.has_field("C262") && t.has_field("C263"); }

// The author of a record is C001 only in tables that also date it; elsewhere
// C001 is an operator the record is about (the operators, their rights).
std::vector<Cell> with_stamp(const xbase::Table& t, const FixtureRow& row, const WriteStamp& stamp) {
  std::vector<Cell> cells = row.cells;
  if (!stamps_its_records(t)) return cells;
  auto add = [&](const char* field, const std::string& text) {
    if (t.has_field(field) && !row.has(field)) cells.push_back({field, text, false, 0});
  };
  add("C001", stamp.operator_code);
  add("C262", stamp.date.dtos());
  add("C263", stamp.hhmm);
  return cells;
}

Value value_of(const FieldDef& def, const Cell& cell) {
  if (!cell.raw) return tools::value_from_text(def, cell.text);
  if (def.type != FieldType::Character || cell.text.size() > static_cast<size_t>(def.length))
    throw std::invalid_argument("field " + def.name + " cannot hold the " + std::to_string(cell.text.size()) +
                                " bytes made for it");
  return cell.text;
}

}  // namespace

void write_rows(xbase::Table& table, const std::vector<FixtureRow>& rows, const WriteStamp& stamp) {
  for (const FixtureRow& row : rows) {
    std::vector<std::pair<std::string, Value>> values;
    for (const Cell& cell : with_stamp(table, row, stamp)) {
      const int index = table.field_index(cell.field);
      if (index < 0) throw DemoError(row.where(cell) + ": " + table.name() + " has no field " + cell.field);
      const FieldDef& def = table.fields()[static_cast<size_t>(index)];
      try {
        Value v = value_of(def, cell);
        if (def.type != FieldType::Memo) xbase::encode_field(def, v);  // a number too wide for its field throws here
        values.emplace_back(def.name, std::move(v));
      } catch (const std::invalid_argument& e) {
        throw DemoError(row.where(cell) + ": " + e.what());
      } catch (const xbase::Error& e) {
        throw DemoError(row.where(cell) + ": " + e.what());
      }
    }
    table.append_blank();
    for (const auto& [field, value] : values) table.put(field, value);
    table.unlock();
  }
  table.commit();
}

}  // namespace zelto::demodata
