#include "tef/core/plan.hpp"

#include <sstream>
#include <stdexcept>

#include "tef/core/files.hpp"

namespace zelto::tefsim {
namespace {

bool is_operation(std::string_view word) {
  for (std::string_view op : {"ATV", "CRT", "CHQ", "ADM", "CNF", "NCN", "*"})
    if (word == op) return true;
  return false;
}

bool is_transaction(std::string_view op) { return op == "CRT" || op == "CHQ" || op == "ADM"; }

struct Name {
  std::string_view word;
  Conduct conduct;
};
constexpr Name kNames[] = {{"approve", Conduct::Approve}, {"deny", Conduct::Deny},   {"late", Conduct::Late},
                           {"silent", Conduct::Silent},   {"stale", Conduct::Stale}, {"die", Conduct::Die}};

}  // namespace

bool Behaviour::applies_to(std::string_view op) const {
  if (operation == "*") return true;
  if (operation.empty()) return is_transaction(op);
  return operation == op;
}

std::string Behaviour::text() const {
  std::string out = operation.empty() ? std::string() : operation + " ";
  for (const auto& n : kNames)
    if (n.conduct == conduct) out += n.word;
  if (conduct == Conduct::Late) out += " " + std::to_string(seconds);
  return out;
}

Behaviour Behaviour::parse(std::string_view line) {
  std::istringstream in{std::string(line)};
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  Behaviour b;
  size_t at = 0;
  if (at < words.size() && is_operation(words[at])) b.operation = words[at++];
  if (at >= words.size()) throw std::invalid_argument("no behaviour in \"" + std::string(line) + "\"");
  const std::string& word = words[at++];
  bool known = false;
  for (const auto& n : kNames)
    if (word == n.word) {
      b.conduct = n.conduct;
      known = true;
    }
  if (!known) throw std::invalid_argument("unknown behaviour \"" + word + "\" (approve, deny, late SECONDS, silent, stale, die)");
  if (b.conduct == Conduct::Late) {
    if (at >= words.size()) throw std::invalid_argument("late needs its seconds");
    try {
      b.seconds = std::stoi(words[at++]);
    } catch (const std::exception&) {
      throw std::invalid_argument("late needs its seconds, not \"" + words[at - 1] + "\"");
    }
    if (b.seconds < 0) throw std::invalid_argument("late needs seconds of 0 or more");
  }
  if (at != words.size()) throw std::invalid_argument("too much in \"" + std::string(line) + "\"");
  return b;
}

std::vector<Behaviour> Plan::list() const {
  std::vector<Behaviour> all;
  const auto text = read_file(file_);
  if (!text) return all;
  std::istringstream in(*text);
  for (std::string line; std::getline(in, line);) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    all.push_back(Behaviour::parse(line));
  }
  return all;
}

void Plan::save(const std::vector<Behaviour>& all) {
  std::string text;
  for (const auto& b : all) text += b.text() + "\n";
  write_whole(file_, text);
}

std::optional<Behaviour> Plan::take(std::string_view operation) {
  std::vector<Behaviour> all = list();
  for (auto it = all.begin(); it != all.end(); ++it) {
    if (!it->applies_to(operation)) continue;
    Behaviour b = *it;
    all.erase(it);
    save(all);
    return b;
  }
  return std::nullopt;
}

void Plan::add(const Behaviour& b) {
  std::vector<Behaviour> all = list();
  all.push_back(b);
  save(all);
}

void Plan::clear() { remove_file(file_); }

}  // namespace zelto::tefsim
