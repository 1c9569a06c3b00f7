#pragma once
// Sealed tables for the seal tests: one record with every field filled (text
// to its full width, dates, numbers using their decimals, memos), sealed,
// and a way to change one byte of a field in the files the way a person
// with a table editor would, outside the program.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/os/file_lookup.hpp"
#include "platform/xbase/workspace.hpp"
#include "store/lookup.hpp"
#include "store/seal_record.hpp"

namespace zelto::store::testing {

inline xbase::Value filled_value(const Field& field, size_t salt) {
  switch (field.type) {
    case FieldType::Character: {
      std::string text;
      for (int i = 0; i < field.width; ++i) text += static_cast<char>('A' + (salt + static_cast<size_t>(i)) % 26);
      return text;
    }
    case FieldType::Numeric:
      // "12", "12.3", "12.333": the last stored byte is a digit
      return runtime::Decimal::of(field.decimals > 0 ? "12." + std::string(static_cast<size_t>(field.decimals), '3')
                                                     : (field.width > 1 ? "12" : "7"));
    case FieldType::Date:
      return *runtime::Date::ymd(2026, 12, 11);
    case FieldType::Logical:
      return true;
    case FieldType::Memo:
      return std::string("  ") + std::string(40 + salt, 'Z') + "   ";
  }
  return std::string();
}

// The table of `layout` in the folder with one filled and sealed record;
// the table is closed again.
inline void make_sealed_record(const std::filesystem::path& folder, const Layout& layout) {
  xbase::Workspace db({folder, true, {}});
  db.create(layout.file, field_defs(layout));
  xbase::Table& t = db.use(layout.file, layout.alias, xbase::OpenMode::Exclusive);
  t.append_blank();
  size_t salt = 0;
  for (const Field& field : layout.fields)
    if (field.name != "MD5_REGI") t.put(field.name, filled_value(field, salt++));
  write_seal(t);
  db.close_all();
}

inline std::string read_bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void write_bytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline uint16_t u16_at(const std::string& bytes, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) | (static_cast<uint8_t>(bytes[at + 1]) << 8));
}

inline std::filesystem::path memo_file_of(const std::filesystem::path& dbf) {
  std::filesystem::path memo = dbf;
  return *os::find_file(dbf.parent_path(), memo.replace_extension(".dbt").filename().string());
}

// XORs one byte of `field` of record 1 with 0x01: the first byte of a text
// or of a memo's text, the last digit of a number or a date (a digit stays
// a digit, so the value reads as another value, not as damage).
inline void flip_byte(const std::filesystem::path& dbf, const xbase::FieldDef& field) {
  std::string bytes = read_bytes(dbf);
  const size_t record = u16_at(bytes, 8);
  const size_t at = record + field.offset;
  switch (field.type) {
    case FieldType::Numeric:
    case FieldType::Date:
      bytes[at + static_cast<size_t>(field.length) - 1] ^= 0x01;
      break;
    case FieldType::Memo: {
      const long block = std::stol(bytes.substr(at, static_cast<size_t>(field.length)));
      const std::filesystem::path memo = memo_file_of(dbf);
      std::string text = read_bytes(memo);
      text[static_cast<size_t>(block) * 512 + 2] ^= 0x01;  // past the leading blanks
      write_bytes(memo, text);
      return;
    }
    default:
      bytes[at] ^= 0x01;
  }
  write_bytes(dbf, bytes);
}

}  // namespace zelto::store::testing
