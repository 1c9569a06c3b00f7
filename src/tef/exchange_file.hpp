#pragma once
// The text files the checkout and a payment manager exchange: lines of a
// field id of seven characters ("001-000"), " = " and the value.
//
// The checkout writes its lines ended by carriage return and line feed. It
// reads a manager's file leniently, as managers write them: a line ends at
// a line feed (a carriage return is dropped; a form feed followed by a
// carriage return ends the line too and stays at its end), blank lines are
// skipped, each line is trimmed and cut to 200 characters, and a field's
// value is the line from its eleventh character on.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zelto::tef {

using Text = std::string;  // Windows-1252 bytes

class ExchangeFile {
 public:
  ExchangeFile() = default;
  static ExchangeFile parse(std::string_view bytes);

  const std::vector<Text>& lines() const { return lines_; }
  // The bytes it was read from.
  const std::string& bytes() const { return bytes_; }

  // The value of the first line whose first seven characters are `id`;
  // "" when no line has it.
  Text field(std::string_view id) const;
  bool has(std::string_view id) const;

 private:
  std::vector<Text> lines_;
  std::string bytes_;
};

// One field of a request: its id and its value.
using Field = std::pair<Text, Text>;

// The lines "id = value", each ended by carriage return and line feed.
std::string compose(const std::vector<Field>& fields);

}  // namespace zelto::tef
