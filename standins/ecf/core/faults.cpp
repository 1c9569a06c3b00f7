#include "ecf/core/faults.hpp"

#include <sstream>

#include "ecf/core/store.hpp"
#include "ecf/core/text.hpp"

namespace zelto::ecfsim {

namespace {

std::optional<int> signed_number(const std::string& s) {
  bool neg = !s.empty() && s[0] == '-';
  auto v = parse_digits(neg ? std::string_view(s).substr(1) : std::string_view(s), 9);
  if (!v) return std::nullopt;
  return static_cast<int>(neg ? -*v : *v);
}

}  // namespace

std::string faults_to_text(const Faults& f) {
  std::ostringstream o;
  o << "# Faults of the emulated printer; set them with ecfsim fault.\n";
  o << "paper=" << (f.paper == Faults::Paper::Ok ? "ok" : f.paper == Faults::Paper::Low ? "low" : "end") << "\n";
  o << "after=" << f.after << "\n";
  o << "fail=" << f.fail << "|" << f.fail_code << "\n";
  o << "lose=" << f.lose << "|" << (f.lose_zero ? "zero" : "blank") << "\n";
  o << "comm=" << f.comm << "\n";
  o << "power_loss=" << (f.power_loss ? 1 : 0) << "\n";
  return o.str();
}

std::optional<Faults> faults_from_text(const std::string& text, std::string* error) {
  Faults f;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    std::size_t eq = line.find('=');
    std::string key = trim(line.substr(0, eq));
    std::string value = eq == std::string::npos ? "" : trim(line.substr(eq + 1));
    std::string first = value.substr(0, value.find('|'));
    std::string second = value.find('|') == std::string::npos ? "" : value.substr(value.find('|') + 1);
    auto n = signed_number(first);
    bool ok = true;
    if (key == "paper") {
      if (value == "ok") f.paper = Faults::Paper::Ok;
      else if (value == "low") f.paper = Faults::Paper::Low;
      else if (value == "end") f.paper = Faults::Paper::End;
      else ok = false;
    } else if (key == "after" && n && *n >= 0) {
      f.after = *n;
    } else if (key == "fail" && n && *n >= 0) {
      auto code = signed_number(second);
      ok = code.has_value();
      f.fail = *n;
      f.fail_code = code.value_or(0);
    } else if (key == "lose" && n && *n >= 0 && (second == "zero" || second == "blank" || second.empty())) {
      f.lose = *n;
      f.lose_zero = second == "zero";
    } else if (key == "comm" && n && *n >= -1) {
      f.comm = *n;
    } else if (key == "power_loss" && n && (*n == 0 || *n == 1)) {
      f.power_loss = *n == 1;
    } else {
      ok = false;
    }
    if (!ok) {
      if (error) *error = "bad line: " + line;
      return std::nullopt;
    }
  }
  return f;
}

Faults load_faults(const std::filesystem::path& folder) {
  auto text = read_text_file(folder / files::kFaults);
  if (!text) return {};
  return faults_from_text(*text).value_or(Faults{});
}

void save_faults(const std::filesystem::path& folder, const Faults& f) {
  write_file_atomically(folder / files::kFaults, faults_to_text(f));
}

Strike take_strike(Faults& f) {
  Strike s;
  if (!f.any_pending()) return s;
  if (f.after > 0) {
    --f.after;
    return s;
  }
  if (f.power_loss) {
    f.power_loss = false;
    s.before = Strike::Before::PowerLoss;
  } else if (f.comm != 0) {
    if (f.comm > 0) --f.comm;
    s.before = Strike::Before::NoAnswer;
  } else if (f.fail > 0) {
    --f.fail;
    s.before = Strike::Before::Fail;
    s.code = f.fail_code;
  } else if (f.lose > 0) {
    --f.lose;
    s.lose = true;
    s.lose_zero = f.lose_zero;
  }
  return s;
}

}  // namespace zelto::ecfsim
