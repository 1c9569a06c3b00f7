#pragma once
// The journal of a receipt being closed: a small file in the data folder,
// one per checkout, that names the receipt and the settings its recording
// reads before the printer is asked to close it, then marks the printer's
// close and each step of the recording as it is done. A run that dies in
// between leaves it behind; the next start reads it and finishes the
// recording, each step checked against the tables so that none is written
// twice.

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/context.hpp"

namespace zelto::sales {

// A stock change announced before it is made: item record, stock before,
// stock after.
struct StockIntent {
  std::uint32_t recno = 0;
  core::Decimal before, after;
};

struct JournalState {
  char letter = '?';     // '?' while the form is not known yet
  bool printer_closed = false;
  std::vector<std::pair<std::string, std::string>> settings;  // name, encoded value
  std::set<std::string> done;                                 // step marks
  std::vector<StockIntent> stock;
};

class ReceiptJournal {
 public:
  explicit ReceiptJournal(core::Ctx& ctx);

  const std::filesystem::path& path() const { return path_; }
  bool exists() const;
  std::optional<JournalState> load() const;

  // Starts the journal of the receipt now open, with the settings the
  // recording reads. Written through before it returns.
  void begin(char letter, bool printer_closed);
  void mark_printer_closed();
  void mark(const std::string& step);
  void stock_intent(const StockIntent& s);
  void finish();

  // Puts the journalled settings back into the global settings.
  static void restore_settings(core::Globals& g, const JournalState& s);

 private:
  void append_line(const std::string& line);
  core::Ctx& ctx_;
  std::filesystem::path path_;
};

// Called after the writes of each step (and of each stock line and cash
// movement) of the recording, before the step is marked done: a test ends
// the process there to see the next start finish the recording.
using RecordingProbe = std::function<void(const std::string& step)>;

// The recording of GRAVA_CUPOM, journalled; `resume` holds the marks of a
// recording an earlier run left unfinished.
void record_closed_receipt(core::Ctx& ctx, char letter, const RecordingProbe& probe,
                           const JournalState* resume = nullptr);

// At start: a receipt left between the printer's close and the end of its
// recording is recorded now, or the operator is told what happened to it.
// True when there was nothing to do or the recording was finished.
bool recover_unrecorded_receipt(core::Ctx& ctx);

}  // namespace zelto::sales
