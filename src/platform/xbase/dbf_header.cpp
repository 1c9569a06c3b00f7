#include "platform/xbase/dbf_header.hpp"

#include <cstring>
#include <ctime>
#include <set>

#include "platform/xbase/error.hpp"

namespace zelto::xbase {
namespace {

char ascii_upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string upper(std::string s) {
  for (char& c : s) c = ascii_upper(c);
  return s;
}

[[noreturn]] void damaged(const Storage& s, const std::string& why) {
  throw Error(ErrorKind::Damaged, s.name() + " is not a readable table: " + why);
}

std::string hex_byte(unsigned char b) {
  static const char digits[] = "0123456789ABCDEF";
  return std::string("0x") + digits[b >> 4] + digits[b & 15];
}

// One 32-byte descriptor. Other writers leave junk after the name's NUL and
// in the reserved bytes, so only the name, type, length and decimals count.
FieldDef read_descriptor(const Storage& s, const unsigned char* d, size_t index) {
  const std::string which = "field " + std::to_string(index + 1);
  size_t n = 0;
  while (n < 11 && d[n] != 0) ++n;
  std::string name(reinterpret_cast<const char*>(d), n);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  if (name.empty()) damaged(s, which + " has no name");
  for (unsigned char c : name)
    if (c < 0x20 || c == 0x7F) damaged(s, which + " has a name with control bytes");

  FieldDef f;
  f.name = upper(std::move(name));
  f.length = d[16];
  f.decimals = d[17];
  const unsigned char type = d[11];
  bool sane = false;
  switch (type) {
    case 'C':
      // Long character fields keep the high byte of the length in the
      // decimals byte.
      f.type = FieldType::Character;
      f.length = f.decimals * 256 + f.length;
      f.decimals = 0;
      sane = f.length >= 1;
      break;
    case 'N':
      f.type = FieldType::Numeric;
      sane = f.length >= 1 && f.decimals < f.length;
      break;
    case 'D':
      f.type = FieldType::Date;
      sane = f.length == 8;
      f.decimals = 0;
      break;
    case 'L':
      f.type = FieldType::Logical;
      sane = f.length == 1;
      f.decimals = 0;
      break;
    case 'M':
      f.type = FieldType::Memo;
      sane = f.length == 10;
      f.decimals = 0;
      break;
    default:
      damaged(s, which + " (" + f.name + ") has the unknown type " + hex_byte(type));
  }
  if (!sane) damaged(s, "field " + f.name + " has an impossible size: " + describe(f));
  return f;
}

}  // namespace

DbfHeader read_dbf_header(Storage& s) {
  const uint64_t size = s.size();
  if (size < kDbfPrefixSize) damaged(s, "the file has " + std::to_string(size) + " bytes, too few for a header");

  unsigned char prefix[kDbfPrefixSize];
  read_exact(s, 0, prefix, sizeof prefix);
  DbfHeader h;
  h.version = prefix[0];
  h.count = get_u32(prefix + kDbfCountOffset);
  h.header_length = get_u16(prefix + 8);
  h.record_length = get_u16(prefix + 10);

  if (h.header_length < kDbfPrefixSize + kDbfDescriptorSize)
    damaged(s, "header length " + std::to_string(h.header_length) + " is too small to hold a field");
  if (h.header_length > size)
    damaged(s, "header length " + std::to_string(h.header_length) + " runs past the end of the file (" +
                   std::to_string(size) + " bytes)");

  std::vector<unsigned char> bytes(h.header_length);
  read_exact(s, 0, bytes.data(), bytes.size());

  // The list ends at a 0x0D; the header length is what says where records
  // start, whatever padding follows the 0x0D.
  uint32_t sum = 1;
  size_t pos = kDbfPrefixSize;
  for (; pos < h.header_length && bytes[pos] != kFieldListEnd; pos += kDbfDescriptorSize) {
    if (pos + kDbfDescriptorSize > h.header_length)
      damaged(s, "the field list runs past the header length " + std::to_string(h.header_length));
    h.fields.push_back(read_descriptor(s, bytes.data() + pos, h.fields.size()));
    FieldDef& f = h.fields.back();
    f.offset = sum;
    sum += static_cast<uint32_t>(f.length);
  }
  if (pos >= h.header_length)
    damaged(s, "the field list has no 0x0D end inside the header length " + std::to_string(h.header_length));
  if (h.fields.empty()) damaged(s, "it has no fields");
  if (sum != h.record_length)
    damaged(s, "the record length " + std::to_string(h.record_length) + " is not the " + std::to_string(sum) +
                   " bytes its fields take");
  return h;
}

Layout make_layout(std::vector<FieldDef> fields) {
  if (fields.empty()) throw Error(ErrorKind::BadField, "a table needs at least one field");
  Layout layout;
  std::set<std::string> seen;
  uint32_t offset = 1;
  for (FieldDef& f : fields) {
    f.name = upper(std::move(f.name));
    validate(f);
    bool good = f.name[0] >= 'A' && f.name[0] <= 'Z';
    for (char c : f.name) good = good && ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_');
    if (!good)
      throw Error(ErrorKind::BadField, "field name \"" + f.name + "\": a letter, then letters, digits or '_'");
    if (!seen.insert(f.name).second) throw Error(ErrorKind::BadField, "field " + f.name + " appears twice");
    if (f.type != FieldType::Numeric) f.decimals = 0;
    f.offset = offset;
    offset += static_cast<uint32_t>(f.length);
    if (offset > 0xFFFF) throw Error(ErrorKind::BadField, "a record holds at most 65535 bytes");
  }
  const size_t header = kDbfPrefixSize + kDbfDescriptorSize * fields.size() + 1;
  if (header > 0xFFFF) throw Error(ErrorKind::BadField, "too many fields for one table");
  layout.header_length = static_cast<uint16_t>(header);
  layout.record_length = static_cast<uint16_t>(offset);
  layout.fields = std::move(fields);
  return layout;
}

std::string build_dbf_header(const Layout& layout) {
  std::string out(layout.header_length, '\0');
  auto* h = reinterpret_cast<unsigned char*>(out.data());
  bool memo = false;
  for (const FieldDef& f : layout.fields) memo = memo || f.type == FieldType::Memo;
  h[0] = memo ? 0x83 : 0x03;
  put_date_and_count(h + kDbfDateOffset, 0);
  put_u16(h + 8, layout.header_length);
  put_u16(h + 10, layout.record_length);
  unsigned char* d = h + kDbfPrefixSize;
  for (const FieldDef& f : layout.fields) {
    std::memcpy(d, f.name.data(), f.name.size());
    d[11] = static_cast<unsigned char>(f.type);
    if (f.type == FieldType::Character) {
      d[16] = static_cast<unsigned char>(f.length & 0xFF);
      d[17] = static_cast<unsigned char>(f.length >> 8);
    } else {
      d[16] = static_cast<unsigned char>(f.length);
      d[17] = static_cast<unsigned char>(f.decimals);
    }
    d += kDbfDescriptorSize;
  }
  *d = kFieldListEnd;
  return out;
}

void put_date_and_count(unsigned char* out7, uint32_t count) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  out7[0] = static_cast<unsigned char>(local.tm_year);  // years since 1900
  out7[1] = static_cast<unsigned char>(local.tm_mon + 1);
  out7[2] = static_cast<unsigned char>(local.tm_mday);
  put_u32(out7 + 3, count);
}

}  // namespace zelto::xbase
