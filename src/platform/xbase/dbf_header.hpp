#pragma once
// The bytes of a .dbf header: reading them back with every length checked
// before it is trusted, and writing them for a new table.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/xbase/dbf_file.hpp"
#include "platform/xbase/storage.hpp"

namespace zelto::xbase {

inline constexpr size_t kDbfPrefixSize = 32;      // the fixed part before the field list
inline constexpr size_t kDbfDescriptorSize = 32;
inline constexpr unsigned char kFieldListEnd = 0x0D;
inline constexpr unsigned char kDbfEndMark = 0x1A;
inline constexpr uint64_t kDbfCountOffset = 4;
inline constexpr uint64_t kDbfDateOffset = 1;

struct DbfHeader {
  uint8_t version = 0x03;
  uint32_t count = 0;  // as the header says; the file size has the last word
  uint16_t header_length = 0;
  uint16_t record_length = 0;
  std::vector<FieldDef> fields;
};

// Reads and checks the header at the start of `s`; throws Error(Damaged)
// naming the file when it cannot be a table.
DbfHeader read_dbf_header(Storage& s);

// The header of a new, empty table, ending with the 0x0D after the fields.
std::string build_dbf_header(const Layout& layout);

// Bytes 1-7 of the header: today's date as the last update, then the count.
void put_date_and_count(unsigned char* out7, uint32_t count);

}  // namespace zelto::xbase
