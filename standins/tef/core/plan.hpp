#pragma once
// What a manager does with the requests to come: one behaviour a line in
// "tefsim_plano.txt" of its folder, each used by one request and then gone.
// A request with nothing planned for it is approved (or acknowledged) at once.
//
//   [OPERATION] BEHAVIOUR [SECONDS]
//
// OPERATION: "ATV", "CRT", "CHQ", "ADM", "CNF", "NCN", or "*" for any
// request; left out, the next transaction ("CRT", "CHQ" or "ADM").
// BEHAVIOUR: approve, deny, late SECONDS, silent, stale, die.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelto::tefsim {

enum class Conduct { Approve, Deny, Late, Silent, Stale, Die };

struct Behaviour {
  std::string operation;  // "" the next transaction, "*" any request
  Conduct conduct = Conduct::Approve;
  int seconds = 0;  // Late

  // Whether a request of this operation takes it.
  bool applies_to(std::string_view op) const;
  std::string text() const;
  // Throws std::invalid_argument naming what is wrong.
  static Behaviour parse(std::string_view line);
};

class Plan {
 public:
  explicit Plan(std::filesystem::path file) : file_(std::move(file)) {}
  // The first planned behaviour this request takes, removed from the plan.
  std::optional<Behaviour> take(std::string_view operation);
  void add(const Behaviour& b);
  void clear();
  std::vector<Behaviour> list() const;

 private:
  void save(const std::vector<Behaviour>& all);
  std::filesystem::path file_;
};

inline constexpr std::string_view kPlanFile = "tefsim_plano.txt";

}  // namespace zelto::tefsim
