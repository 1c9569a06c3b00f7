#include "tef/core/manager.hpp"

#include <algorithm>
#include <ctime>
#include <stdexcept>

#include "tef/core/answers.hpp"
#include "tef/core/fields.hpp"
#include "tef/core/files.hpp"

namespace zelto::tefsim {
namespace {

constexpr std::int64_t kStaleGapMs = 2000;

std::string lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// A number the checkout asked before this one.
std::string stale_number(const std::string& number) {
  try {
    const long long n = std::stoll(number);
    return std::to_string(n > 1 ? n - 1 : 9999999999LL);
  } catch (const std::exception&) {
    return "0";
  }
}

void now_texts(std::string& date, std::string& time) {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  ::localtime_r(&t, &tm);
  char d[16], h[16];
  std::strftime(d, sizeof d, "%d%m%Y", &tm);
  std::strftime(h, sizeof h, "%H%M%S", &tm);
  date = d;
  time = h;
}

}  // namespace

const std::vector<ManagerKind>& manager_kinds() {
  static const std::vector<ManagerKind> kinds{
      {"PAD", "tef_dial", "REDECARD"}, {"TEC", "tef_disc", "TECBAN"}, {"HIP", "HiperTEF", "HIPERCARD"}};
  return kinds;
}

const ManagerKind& manager_kind(std::string_view name) {
  for (const auto& k : manager_kinds())
    if (lower(k.code) == lower(std::string(name)) || lower(k.folder) == lower(std::string(name))) return k;
  throw std::invalid_argument("no manager \"" + std::string(name) + "\" (PAD, TEC, HIP)");
}

Manager::Manager(const std::filesystem::path& data_folder, ManagerKind kind) : kind_(std::move(kind)) {
  const auto tef = find(data_folder, "tef");
  root_ = find(tef, kind_.folder);
  std::filesystem::create_directories(find(root_, "req"));
  std::filesystem::create_directories(find(root_, "resp"));
}

std::filesystem::path Manager::path(std::string_view windows_name) const {
  const size_t slash = windows_name.find('\\');
  if (slash == std::string_view::npos) return find(root_, windows_name);
  return find(find(root_, windows_name.substr(0, slash)), windows_name.substr(slash + 1));
}

Plan Manager::plan() const { return Plan(root_ / std::string(kPlanFile)); }

std::vector<std::string> Manager::journal() const {
  std::vector<std::string> lines;
  const auto text = read_file(root_ / std::string(kJournalFile));
  if (!text) return lines;
  size_t start = 0;
  while (start < text->size()) {
    size_t end = text->find('\n', start);
    if (end == std::string::npos) end = text->size();
    if (end > start) lines.push_back(text->substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

void Manager::note(const std::string& line) {
  std::string text = read_file(root_ / std::string(kJournalFile)).value_or("");
  write_whole(root_ / std::string(kJournalFile), text + line + "\n");
}

std::string Manager::next_nsu() {
  const auto state = root_ / "tefsim_estado.txt";
  long long last = 0;
  if (auto text = read_file(state); text && text->rfind("nsu=", 0) == 0) {
    try {
      last = std::stoll(text->substr(4));
    } catch (const std::exception&) {
      last = 0;
    }
  }
  const long long next = last >= 999999 ? 1 : last + 1;
  write_whole(state, "nsu=" + std::to_string(next) + "\n");
  std::string nsu = std::to_string(next);
  return std::string(6 - std::min<size_t>(6, nsu.size()), '0') + nsu;
}

void Manager::schedule(std::int64_t at_ms, std::string file, std::string text) {
  due_.push_back(Due{at_ms, std::move(file), std::move(text)});
}

void Manager::deliver(std::int64_t now_ms) {
  // Answers go out in the order they were planned once their time has come.
  while (!due_.empty() && due_.front().at_ms <= now_ms) {
    write_whole(path(due_.front().file), due_.front().text);
    due_.erase(due_.begin());
  }
}

void Manager::poll(std::int64_t now_ms) {
  deliver(now_ms);
  if (dead_) return;
  const auto request = path("req\\IntPos.001");
  const auto text = read_file(request);
  if (!text || *text == ignored_) return;
  // A request still being written is left until its last line is there.
  if (!Fields::parse(*text).has("999-999")) return;
  take(*text, now_ms);
  if (*text != ignored_) remove_file(request);
  deliver(now_ms);
}

void Manager::take(const std::string& request_text, std::int64_t now_ms) {
  const Fields request = Fields::parse(request_text);
  const std::string op = request.get("000-000");
  const std::string number = request.get("001-000");
  const Behaviour b = plan().take(op).value_or(Behaviour{});
  if (b.conduct == Conduct::Silent) {
    ignored_ = request_text;
    note(op + " " + number + " sem resposta");
    return;
  }
  ignored_.clear();
  if (op == "CRT" || op == "CHQ" || op == "ADM") {
    answer_transaction(request, b, now_ms);
  } else {
    answer_acknowledgement(request, b, now_ms);
  }
  if (b.conduct == Conduct::Die) {
    note(op + " " + number + " gerenciador caiu");
    dead_ = true;
  }
}

void Manager::answer_transaction(const Fields& request, const Behaviour& b, std::int64_t now_ms) {
  const std::string op = request.get("000-000");
  const std::string number = request.get("001-000");
  schedule(now_ms, "resp\\IntPos.Sts", status_text(op, number));
  if (b.conduct == Conduct::Die) return;
  const std::int64_t at = now_ms + (b.conduct == Conduct::Late ? b.seconds * 1000LL : 0);
  const std::string amount = " valor=" + request.get("003-000") + " doc=" + request.get("002-000");
  if (b.conduct == Conduct::Deny) {
    schedule(at, "resp\\IntPos.001", denied_response(request, number, kind_.network));
    note(op + " " + number + " negada" + amount);
    return;
  }
  Approval a{kind_.network, next_nsu(), "", ""};
  now_texts(a.date, a.time);
  if (b.conduct == Conduct::Stale) {
    schedule(at, "resp\\IntPos.001", approved_response(request, stale_number(number), a));
    schedule(at + kStaleGapMs, "resp\\IntPos.001", approved_response(request, number, a));
  } else {
    schedule(at, "resp\\IntPos.001", approved_response(request, number, a));
  }
  note(op + " " + number + " aprovada nsu=" + a.nsu + amount);
}

void Manager::answer_acknowledgement(const Fields& request, const Behaviour& b, std::int64_t now_ms) {
  const std::string op = request.get("000-000");
  const std::string number = request.get("001-000");
  if (b.conduct == Conduct::Die) return;
  const std::int64_t at = now_ms + (b.conduct == Conduct::Late ? b.seconds * 1000LL : 0);
  if (b.conduct == Conduct::Stale) {
    schedule(at, "resp\\IntPos.Sts", status_text(op, stale_number(number)));
    schedule(at + kStaleGapMs, "resp\\IntPos.Sts", status_text(op, number));
  } else {
    schedule(at, "resp\\IntPos.Sts", status_text(op, number));
  }
  if (op == "CNF") {
    note("CNF " + number + " confirmada nsu=" + request.get("012-000"));
  } else if (op == "NCN") {
    note("NCN " + number + " desfeita nsu=" + request.get("012-000") + " doc=" + request.get("002-000"));
  } else {
    note(op + " " + number + " ativo");
  }
}

}  // namespace zelto::tefsim
