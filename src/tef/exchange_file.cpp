#include "tef/exchange_file.hpp"

#include "platform/runtime/text.hpp"

namespace zelto::tef {
namespace {

constexpr size_t kLineWidth = 200;
constexpr size_t kValueStart = 10;  // the eleventh character

void keep_line(std::vector<Text>& lines, const std::string& raw) {
  std::string line = runtime::trim(raw);
  if (line.empty()) return;
  if (line.size() > kLineWidth) line.resize(kLineWidth);
  lines.push_back(std::move(line));
}

}  // namespace

ExchangeFile ExchangeFile::parse(std::string_view bytes) {
  ExchangeFile file;
  file.bytes_ = std::string(bytes);
  std::string current;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\n') {
      keep_line(file.lines_, current);
      current.clear();
    } else if (c == '\r') {
      if (!current.empty() && current.back() == '\f') {
        keep_line(file.lines_, current);
        current.clear();
      }
    } else {
      current += c;
    }
  }
  keep_line(file.lines_, current);
  return file;
}

Text ExchangeFile::field(std::string_view id) const {
  for (const Text& line : lines_)
    if (line.compare(0, id.size(), id) == 0) return line.size() > kValueStart ? line.substr(kValueStart) : Text();
  return Text();
}

bool ExchangeFile::has(std::string_view id) const {
  for (const Text& line : lines_)
    if (line.compare(0, id.size(), id) == 0) return true;
  return false;
}

std::string compose(const std::vector<Field>& fields) {
  std::string out;
  for (const auto& [id, value] : fields) out += id + " = " + value + "\r\n";
  return out;
}

}  // namespace zelto::tef
