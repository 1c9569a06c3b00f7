#pragma once
// The one-record settings tables (the configuration record, the general
// parameters, an operator's records) read field by field the way the
// settings rules take them. Folders carry tables of several generations and
// the back office writes some of them, so a field reads by what the rule
// needs whatever its type in the file, and a field the table lacks reads
// blank. A work area at its end (an empty table, an operator not found)
// reads blank throughout, as the old runtime's phantom record did, and so
// does a table that is not there at all.

#include <functional>
#include <string_view>

#include "core/context.hpp"
#include "core/globals.hpp"
#include "platform/xbase/table.hpp"

namespace zelto::app {

class SettingsRecord {
 public:
  explicit SettingsRecord(const xbase::Table& table) : table_(&table) {}
  // No table: every field reads blank.
  explicit SettingsRecord(const xbase::Table* table) : table_(table) {}

  // Text as stored (trailing blanks kept); a number as its digits, a date
  // as "YYYYMMDD", a logical as "T" or "F".
  core::Text text(std::string_view field) const;
  // A number as stored; a text read as the old VAL does ("12abc" is 12).
  core::Decimal number(std::string_view field) const;
  // The text equals `value` by the system's `=` (prefix comparison).
  bool is(std::string_view field, std::string_view value) const;

 private:
  const xbase::Table* table_;
};

// Sets the global setting named `name` from `field`: text settings take
// the text, number settings the number.
void assign_setting(core::Globals& g, std::string_view name, const SettingsRecord& record, std::string_view field);

// The first record of the table open as `alias` (blank when none is).
SettingsRecord first_record(core::Ctx& ctx, std::string_view alias);
// The record of the table open as `alias` found on `key` in `order`; the
// table stays on it, or at its end when there is none (blank then, and
// `found` false).
SettingsRecord seek_record(core::Ctx& ctx, std::string_view alias, int order, const core::Text& key,
                           bool* found = nullptr);

// Opens `file` by itself under `alias`, hands its first record to `read`
// and closes it again, also when reading fails. A table that is not in the
// folder reads blank.
void read_first_record(core::Ctx& ctx, std::string_view file, std::string_view alias, xbase::OpenMode mode,
                       const std::function<void(const SettingsRecord&)>& read);

}  // namespace zelto::app
