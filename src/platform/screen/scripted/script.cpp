#include "platform/screen/scripted/script.hpp"

#include <cctype>
#include <initializer_list>

namespace zelto::screen::scripted {
namespace {

std::string quoted(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out.push_back('\\');
    out.push_back(c);
  }
  return out + "\"";
}

// Words and quoted texts of one line; a "#" outside quotes ends it.
std::vector<std::string> tokens(std::string_view line, std::size_t number) {
  std::vector<std::string> out;
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      std::string word;
      ++i;
      bool closed = false;
      while (i < line.size()) {
        if (line[i] == '\\' && i + 1 < line.size()) {
          word.push_back(line[i + 1]);
          i += 2;
        } else if (line[i] == '"') {
          ++i;
          closed = true;
          break;
        } else {
          word.push_back(line[i++]);
        }
      }
      if (!closed) throw ScriptError("script line " + std::to_string(number) + ": unclosed quote");
      out.push_back(std::move(word));
    } else {
      std::string word;
      while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) word.push_back(line[i++]);
      out.push_back(std::move(word));
    }
  }
  return out;
}

// "DD/MM/YYYY" and "HH:MM" by their shape; the runner that sets the clock
// checks the calendar.
bool clock_shape(const std::string& date, const std::string& time) {
  auto digits_at = [](const std::string& s, std::initializer_list<std::size_t> at) {
    for (std::size_t i : at)
      if (i >= s.size() || !std::isdigit(static_cast<unsigned char>(s[i]))) return false;
    return true;
  };
  return date.size() == 10 && date[2] == '/' && date[5] == '/' && digits_at(date, {0, 1, 3, 4, 6, 7, 8, 9}) &&
         time.size() == 5 && time[2] == ':' && digits_at(time, {0, 1, 3, 4});
}

}  // namespace

std::string describe(const Step& s) {
  switch (s.kind) {
    case Step::Kind::Answer: return "answer " + quoted(s.text) + (s.yes ? " yes" : " no");
    case Step::Kind::Ok: return "ok " + quoted(s.text);
    case Step::Kind::Type: return "type " + quoted(s.text);
    case Step::Kind::Press: return "press " + key_name(s.key);
    case Step::Kind::Button: return "button " + quoted(s.text);
    case Step::Kind::Focus: return "focus " + quoted(s.text);
    case Step::Kind::Expect: return "expect " + quoted(s.text);
    case Step::Kind::Clock: return "clock " + s.text;
    case Step::Kind::End: return "end";
    case Step::Kind::Choose: {
      std::string out = "choose";
      for (const auto& p : s.path) out += " " + quoted(p);
      return out;
    }
  }
  return "?";
}

Script& Script::add(Step step) {
  steps_.push_back(std::move(step));
  return *this;
}

Script& Script::answer(std::string text, bool yes) {
  Step s;
  s.kind = Step::Kind::Answer;
  s.text = std::move(text);
  s.yes = yes;
  return add(std::move(s));
}

Script& Script::ok(std::string text) {
  Step s;
  s.kind = Step::Kind::Ok;
  s.text = std::move(text);
  return add(std::move(s));
}

Script& Script::type(std::string text) {
  Step s;
  s.kind = Step::Kind::Type;
  s.text = std::move(text);
  return add(std::move(s));
}

Script& Script::press(Key key) {
  Step s;
  s.kind = Step::Kind::Press;
  s.key = key;
  return add(std::move(s));
}

Script& Script::button(std::string caption) {
  Step s;
  s.kind = Step::Kind::Button;
  s.text = std::move(caption);
  return add(std::move(s));
}

Script& Script::choose(std::vector<std::string> path) {
  Step s;
  s.kind = Step::Kind::Choose;
  s.path = std::move(path);
  return add(std::move(s));
}

Script& Script::focus(std::string field_id) {
  Step s;
  s.kind = Step::Kind::Focus;
  s.text = std::move(field_id);
  return add(std::move(s));
}

Script& Script::expect(std::string text) {
  Step s;
  s.kind = Step::Kind::Expect;
  s.text = std::move(text);
  return add(std::move(s));
}

Script& Script::clock(std::string date_time) {
  Step s;
  s.kind = Step::Kind::Clock;
  s.text = std::move(date_time);
  return add(std::move(s));
}

Script& Script::end() {
  Step s;
  s.kind = Step::Kind::End;
  return add(std::move(s));
}

Step Script::take() {
  Step s = std::move(steps_.front());
  steps_.pop_front();
  return s;
}

Script Script::parse(std::string_view text) {
  Script script;
  std::size_t number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t nl = text.find('\n');
    std::string_view line = text.substr(0, nl);
    text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
    const auto t = tokens(line, number);
    if (t.empty()) continue;
    const std::string where = "script line " + std::to_string(number) + ": ";
    const std::string& verb = t[0];
    auto one = [&]() -> const std::string& {
      if (t.size() != 2) throw ScriptError(where + verb + " takes one text");
      return t[1];
    };
    if (verb == "answer") {
      if (t.size() != 3 || (t[2] != "yes" && t[2] != "no")) throw ScriptError(where + "answer \"text\" yes|no");
      script.answer(t[1], t[2] == "yes");
    } else if (verb == "ok") {
      script.ok(one());
    } else if (verb == "type") {
      script.type(one());
    } else if (verb == "button") {
      script.button(one());
    } else if (verb == "focus") {
      script.focus(one());
    } else if (verb == "expect") {
      script.expect(one());
    } else if (verb == "clock") {
      if (t.size() != 3 || !clock_shape(t[1], t[2])) throw ScriptError(where + "clock DD/MM/YYYY HH:MM");
      script.clock(t[1] + " " + t[2]);
    } else if (verb == "end") {
      if (t.size() != 1) throw ScriptError(where + "end takes nothing");
      script.end();
    } else if (verb == "press") {
      if (t.size() < 2) throw ScriptError(where + "press needs a key");
      for (std::size_t i = 1; i < t.size(); ++i) {
        const auto key = key_from_name(t[i]);
        if (!key || *key == Key::None) throw ScriptError(where + "no key named " + t[i]);
        script.press(*key);
      }
    } else if (verb == "choose") {
      if (t.size() < 2) throw ScriptError(where + "choose needs a path");
      script.choose(std::vector<std::string>(t.begin() + 1, t.end()));
    } else {
      throw ScriptError(where + "unknown step " + verb);
    }
  }
  return script;
}

}  // namespace zelto::screen::scripted
