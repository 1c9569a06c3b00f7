#pragma once
// Everything the scripted screen showed, in order, with titles, in UTF-8.

#include <string>
#include <vector>

namespace zelto::screen::scripted {

struct TranscriptEntry {
  std::string kind{};   // question, error, alert, info, timed, tone, form, browse, row, menu, message, progress, window
  std::string title{};
  std::string text{};
  std::string detail{};  // the answer given, the outcome of a form ...
  bool input_blocked = false;  // operator input was held while it showed
};

class Transcript {
 public:
  void add(TranscriptEntry entry) { entries_.push_back(std::move(entry)); }
  const std::vector<TranscriptEntry>& entries() const { return entries_; }
  // The texts of every entry of one kind, in order.
  std::vector<std::string> texts(const std::string& kind) const;
  // One line an entry: kind [title] text -> detail
  std::string str() const;

 private:
  std::vector<TranscriptEntry> entries_{};
};

}  // namespace zelto::screen::scripted
