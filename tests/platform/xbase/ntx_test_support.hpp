#pragma once
// Helpers for the .ntx tests: a scratch folder, test keys, and a reader of
// the raw page layout written straight from the published format, so the
// files are checked by something other than the index's own code.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/xbase/ntx_index.hpp"

namespace zelto::xbase::test {

class TempDir {
 public:
  TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "zelto-ntx-XXXXXX").string();
    path_ = ::mkdtemp(tmpl.data());
  }
  ~TempDir() { std::filesystem::remove_all(path_); }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Keys whose first byte runs over the whole 0..255 range, so that a signed
// comparison would put half of them in the wrong place.
inline std::string test_key(int n, int size) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%07d", n);
  std::string k(1, static_cast<char>((n * 37) % 256));
  k += digits;
  k.resize(static_cast<size_t>(size), static_cast<char>('a' + n % 26));
  return k;
}

struct RawTree {
  std::vector<IndexEntry> entries;
  int depth = 0;           // levels, the root's included
  int fewest_below = 1 << 30;  // fewest entries on a page other than the root
  int pages = 0;
};

inline uint32_t raw_u32(const std::vector<unsigned char>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
inline uint16_t raw_u16(const std::vector<unsigned char>& b, size_t at) {
  return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

inline RawTree read_raw(Storage& s) {
  std::vector<unsigned char> b(s.size());
  s.read_at(0, b.data(), b.size());
  RawTree t;
  const uint32_t root = raw_u32(b, 4);
  const size_t ks = raw_u16(b, 14);
  std::function<void(uint32_t, int)> walk = [&](uint32_t page, int depth) {
    ++t.pages;
    t.depth = std::max(t.depth, depth + 1);
    const int n = raw_u16(b, page);
    if (depth > 0) t.fewest_below = std::min(t.fewest_below, n);
    for (int i = 0; i <= n; ++i) {
      const size_t item = page + raw_u16(b, page + 2 + 2 * static_cast<size_t>(i));
      const uint32_t child = raw_u32(b, item);
      if (child != 0) walk(child, depth + 1);
      if (i < n) t.entries.push_back({std::string(reinterpret_cast<const char*>(&b[item + 8]), ks), raw_u32(b, item + 4)});
    }
  };
  walk(root, 0);
  return t;
}

}  // namespace zelto::xbase::test
