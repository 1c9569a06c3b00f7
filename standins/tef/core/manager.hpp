#pragma once
// One payment manager: it watches its request folder and answers each
// request as its plan says (plan.hpp), with the status file within the
// checkout's wait and then the response, and keeps a journal of what it did
// ("tefsim_diario.txt") and the last transaction number it gave
// ("tefsim_estado.txt"), both in its folder.
//
// Time is what the caller says it is (milliseconds on any steady scale), so
// the same manager runs in its own process (`tefsim serve`) and inside a
// test, driven between the checkout's polls by the test's clock.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tef/core/fields.hpp"
#include "tef/core/plan.hpp"

namespace zelto::tefsim {

struct ManagerKind {
  std::string code;     // "PAD", "TEC", "HIP"
  std::string folder;   // below "<data>/tef": "tef_dial", "tef_disc", "HiperTEF"
  std::string network;  // what its responses name in 010-000
};

// The three managers a checkout serves.
const std::vector<ManagerKind>& manager_kinds();
// The kind by code or folder name, any case; throws std::invalid_argument.
const ManagerKind& manager_kind(std::string_view name);

inline constexpr std::string_view kJournalFile = "tefsim_diario.txt";

class Manager {
 public:
  // The manager of `kind` below `data_folder`; its folders are made.
  Manager(const std::filesystem::path& data_folder, ManagerKind kind);

  // Writes the answers that are due, then takes a new request if one is
  // there and written whole.
  void poll(std::int64_t now_ms);

  // Told to die: it answers nothing more.
  bool dead() const { return dead_; }
  const ManagerKind& kind() const { return kind_; }
  const std::filesystem::path& root() const { return root_; }
  Plan plan() const;
  std::vector<std::string> journal() const;

 private:
  struct Due {
    std::int64_t at_ms;
    std::string file;  // "resp\IntPos.Sts" or "resp\IntPos.001"
    std::string text;
  };
  void deliver(std::int64_t now_ms);
  void take(const std::string& request_text, std::int64_t now_ms);
  void answer_transaction(const Fields& request, const Behaviour& b, std::int64_t now_ms);
  void answer_acknowledgement(const Fields& request, const Behaviour& b, std::int64_t now_ms);
  void schedule(std::int64_t at_ms, std::string file, std::string text);
  void note(const std::string& line);
  std::string next_nsu();
  std::filesystem::path path(std::string_view windows_name) const;

  ManagerKind kind_;
  std::filesystem::path root_;
  std::vector<Due> due_;
  std::string ignored_;  // a request left where it is (silent)
  bool dead_ = false;
};

}  // namespace zelto::tefsim
