#include "platform/xbase/ntx_header.hpp"

#include <algorithm>
#include <cstring>

#include "platform/xbase/error.hpp"

namespace zelto::xbase {
namespace ntx {
namespace {

std::string text_at(const unsigned char* p, size_t len) {
  const auto* c = reinterpret_cast<const char*>(p);
  return std::string(c, std::find(c, c + len, '\0'));
}

void put_text(unsigned char* p, size_t len, const std::string& s) {
  std::memset(p, 0, len);
  std::memcpy(p, s.data(), std::min(s.size(), len - 1));
}

}  // namespace

NtxHeader decode_header(const unsigned char* b, const std::string& file, uint64_t file_size) {
  auto bad = [&](const std::string& what) { throw Error(ErrorKind::Damaged, file + ": index header: " + what); };
  NtxHeader h;
  h.signature = get_u16(b);
  h.version = get_u16(b + 2);
  h.root = get_u32(b + 4);
  h.free_page = get_u32(b + 8);
  h.item_size = get_u16(b + 12);
  h.key_size = get_u16(b + 14);
  h.key_decimals = get_u16(b + 16);
  h.max_items = get_u16(b + 18);
  h.half_page = get_u16(b + 20);
  h.expression = text_at(b + 22, 256);
  h.unique = b[278] != 0;
  h.descend = b[280] != 0;
  h.for_condition = text_at(b + 282, 256);

  if (h.signature != 6) bad("signature " + std::to_string(h.signature) + " is not an index's");
  if (h.key_size < 1 || h.key_size > kMaxKeySize) bad("key size " + std::to_string(h.key_size));
  if (h.item_size != h.key_size + 8) bad("item size " + std::to_string(h.item_size) + " does not match the key size");
  if (h.key_decimals >= h.key_size && h.key_decimals != 0) bad("key decimals " + std::to_string(h.key_decimals));
  if (h.max_items < 2 || 2 + (h.max_items + 1) * (h.item_size + 2) > static_cast<int>(kPageSize))
    bad(std::to_string(h.max_items) + " entries per page do not fit a page");
  if (h.root < kPageSize || h.root % kPageSize != 0) bad("root page offset " + std::to_string(h.root));
  if (uint64_t{h.root} + kPageSize > file_size) bad("root page " + std::to_string(h.root) + " is past the end");
  if (h.free_page % kPageSize != 0) bad("free page offset " + std::to_string(h.free_page));
  return h;
}

void encode_header(const NtxHeader& h, unsigned char* b) {
  std::memset(b, 0, kHeaderBytes);
  put_u16(b, h.signature);
  put_u16(b + 2, h.version);
  put_u32(b + 4, h.root);
  put_u32(b + 8, h.free_page);
  put_u16(b + 12, h.item_size);
  put_u16(b + 14, h.key_size);
  put_u16(b + 16, h.key_decimals);
  put_u16(b + 18, h.max_items);
  put_u16(b + 20, h.half_page);
  put_text(b + 22, 256, h.expression);
  b[278] = h.unique ? 1 : 0;
  b[280] = h.descend ? 1 : 0;
  put_text(b + 282, 256, h.for_condition);
}

Geometry geometry(const NtxHeader& h) {
  Geometry g;
  g.key_size = h.key_size;
  g.item_size = h.item_size;
  g.max_items = h.max_items;
  g.descend = h.descend;
  return g;
}

}  // namespace ntx

NtxHeader new_header(std::string_view expression, int key_size, int key_decimals, bool unique, bool descend) {
  if (key_size < 1 || key_size > ntx::kMaxKeySize)
    throw Error(ErrorKind::Usage, "an index key has 1 to 256 bytes, not " + std::to_string(key_size));
  if (expression.size() > 255)
    throw Error(ErrorKind::Usage, "an index key expression has at most 255 characters");
  if (key_decimals < 0 || (key_decimals > 0 && key_decimals >= key_size))
    throw Error(ErrorKind::Usage, "an index key of " + std::to_string(key_size) + " bytes cannot have " +
                                      std::to_string(key_decimals) + " decimals");
  NtxHeader h;
  h.key_size = static_cast<uint16_t>(key_size);
  h.item_size = static_cast<uint16_t>(key_size + 8);
  h.key_decimals = static_cast<uint16_t>(key_decimals);
  int max = (static_cast<int>(ntx::kPageSize) - 2) / (key_size + 10) - 1;
  if (max > 2 && max % 2 != 0) --max;
  h.max_items = static_cast<uint16_t>(max);
  h.half_page = static_cast<uint16_t>(max / 2);
  h.expression = std::string(expression);
  h.unique = unique;
  h.descend = descend;
  h.root = ntx::kPageSize;
  return h;
}

}  // namespace zelto::xbase
