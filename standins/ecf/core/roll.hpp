#pragma once
// The paper a command prints: lines of the printer's 48 columns, kept in
// Windows-1252 until the command is done and they reach the roll file.

#include <string>
#include <string_view>
#include <vector>

#include "ecf/core/memory.hpp"

namespace zelto::ecfsim {

class Paper {
 public:
  void line(std::string_view s = "");
  void left_right(std::string_view left, std::string_view right);
  void centre(std::string_view s);
  void rule(char c = '-');
  void text(std::string_view s);  // broken into lines at line breaks and at 48 columns

  const std::vector<std::string>& lines() const { return lines_; }
  std::vector<std::string>& lines() { return lines_; }

 private:
  std::vector<std::string> lines_;
};

// The line that opens every document on the roll: its date and time, and
// "COO:nnnnnn" at the right (with the CCF before it on a fiscal receipt).
// The MFD readings find documents by it.
std::string document_line(const DateTime& when, int coo, int ccf = -1);
struct DocumentMark {
  DateTime when;
  int coo = 0;
};
std::optional<DocumentMark> read_document_line(std::string_view line);

}  // namespace zelto::ecfsim
