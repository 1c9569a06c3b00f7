#pragma once
// The lines "id = value" of the files exchanged with the checkout.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zelto::tefsim {

class Fields {
 public:
  // Lines end at a line feed; carriage returns, blanks around and blank
  // lines are dropped.
  static Fields parse(std::string_view text);

  // The value of the first line with this id, "" when none.
  std::string get(std::string_view id) const;
  bool has(std::string_view id) const;
  std::size_t size() const { return lines_.size(); }

 private:
  std::vector<std::pair<std::string, std::string>> lines_;
};

// "id = value" lines, each ended by CR LF.
class Composer {
 public:
  Composer& add(std::string id, std::string value);
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace zelto::tefsim
