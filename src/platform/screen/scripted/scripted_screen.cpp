#include "platform/screen/scripted/scripted_screen.hpp"

#include "platform/runtime/cp1252.hpp"
#include "platform/screen/hot_key.hpp"

namespace zelto::screen::scripted {
namespace {

using runtime::cp1252_to_utf8;
using runtime::utf8_to_cp1252;

const char* box_kind_name(BoxKind kind) {
  switch (kind) {
    case BoxKind::Question: return "question";
    case BoxKind::Error: return "error";
    case BoxKind::Alert: return "alert";
    case BoxKind::Information: return "info";
    case BoxKind::Timed: return "timed";
  }
  return "box";
}

// A caption given with or without its "&".
bool caption_matches(const Text& caption, const std::string& wanted_utf8) {
  const Text wanted = utf8_to_cp1252(wanted_utf8);
  return caption == wanted || plain_caption(caption) == plain_caption(wanted);
}

class ScriptedProgress : public Progress {
 public:
  ScriptedProgress(Transcript& t, std::string title) : transcript_(t), title_(std::move(title)) {}
  void set_text(const Text& text) override {
    transcript_.add({"progress", title_, cp1252_to_utf8(text), "", false});
  }
  void set_total(long) override {}
  void set_value(long) override {}

 private:
  Transcript& transcript_;
  std::string title_;
};

}  // namespace

void ScriptedScreen::record(std::string kind, const Text& title, const Text& text, std::string detail) {
  transcript_.add({std::move(kind), cp1252_to_utf8(title), cp1252_to_utf8(text), std::move(detail), input_blocked()});
}

void ScriptedScreen::unexpected(const std::string& shown) const {
  if (script_.empty()) throw ScriptError("unexpected " + shown + "; the script has no more steps");
  throw ScriptError("unexpected " + shown + "; the script's next step is: " + describe(script_.next()));
}

void ScriptedScreen::check_expectation(const std::string& wanted) {
  const auto& entries = transcript_.entries();
  for (std::size_t i = expect_from_; i < entries.size(); ++i) {
    const auto& e = entries[i];
    if (e.text.find(wanted) != std::string::npos || e.title.find(wanted) != std::string::npos) {
      expect_from_ = i + 1;
      return;
    }
  }
  throw ScriptError("expect \"" + wanted + "\": not shown since the previous expectation (" +
                    std::to_string(entries.size() - expect_from_) + " entries looked at)");
}

void ScriptedScreen::settle() {
  while (!script_.empty()) {
    const Step& next = script_.next();
    if (next.kind == Step::Kind::Expect) {
      const Step s = script_.take();
      check_expectation(s.text);
    } else if (next.kind == Step::Kind::Clock) {
      const Step s = script_.take();
      if (!clock_setter_) throw ScriptError("clock " + s.text + ": this run has no clock to set");
      clock_setter_(s.text);
    } else {
      return;
    }
  }
}

bool ScriptedScreen::take_end() {
  settle();
  if (script_.empty() || script_.next().kind != Step::Kind::End) return false;
  script_.take();
  return true;
}

Step ScriptedScreen::take_box_step(const std::string& kind, const Text& title, const Text& text) {
  settle();
  const std::string shown = kind + " box [" + cp1252_to_utf8(title) + "] \"" + cp1252_to_utf8(text) + "\"";
  if (script_.empty()) unexpected(shown);
  const Step& s = script_.next();
  const bool wants_question = s.kind == Step::Kind::Answer;
  const bool wants_box = s.kind == Step::Kind::Ok;
  if (!wants_question && !wants_box) unexpected(shown);
  if (wants_question != (kind == "question")) unexpected(shown);
  if (s.text != cp1252_to_utf8(text)) unexpected(shown);
  return script_.take();
}

bool ScriptedScreen::do_ask_yes_no(const Text& title, const Text& text, bool yes_preselected) {
  const Step s = take_box_step("question", title, text);
  record("question", title, text, std::string(s.yes ? "yes" : "no") + (yes_preselected ? " (yes preselected)" : " (no preselected)"));
  return s.yes;
}

void ScriptedScreen::do_show_box(BoxKind kind, const Text& title, const Text& text) {
  take_box_step(box_kind_name(kind), title, text);
  record(box_kind_name(kind), title, text);
}

void ScriptedScreen::do_show_timed(const Text& title, const Text& text, std::chrono::milliseconds shown_for) {
  record("timed", title, text, std::to_string(shown_for.count()) + " ms");
}

void ScriptedScreen::do_tone(int hertz, std::chrono::milliseconds duration) {
  record("tone", "", std::to_string(hertz) + " Hz", std::to_string(duration.count()) + " ms");
}

void ScriptedScreen::do_run_form(FormSession& form) {
  const Text& title = form.definition().title;
  // The notes below the fields are what the form shows besides its inputs.
  Text notes;
  for (const Text& note : form.definition().notes) notes += (notes.empty() ? "" : " | ") + note;
  record("form", title, notes);
  form.start();
  while (form.open()) {
    auto focus_name = [&] {
      if (auto f = form.focused_field()) return "field " + form.field(*f).id;
      if (auto b = form.focused_button()) return "button " + cp1252_to_utf8(form.definition().buttons[*b].caption);
      return std::string("nothing");
    };
    const std::string shown = "form [" + cp1252_to_utf8(title) + "] waiting for input (focus on " + focus_name() + ")";
    settle();
    if (script_.empty()) unexpected(shown);
    const Step& next = script_.next();
    switch (next.kind) {
      case Step::Kind::Type: {
        const Step s = script_.take();
        form.type_text(utf8_to_cp1252(s.text));
        break;
      }
      case Step::Kind::Press: {
        const Step s = script_.take();
        form.press(s.key);
        break;
      }
      case Step::Kind::Button: {
        const Step s = script_.take();
        const auto& buttons = form.definition().buttons;
        std::size_t i = 0;
        while (i < buttons.size() && !caption_matches(buttons[i].caption, s.text)) ++i;
        if (i == buttons.size()) throw ScriptError(shown + " has no button \"" + s.text + "\"");
        if (!buttons[i].enabled) throw ScriptError(shown + ": button \"" + s.text + "\" is disabled");
        form.press_button(i);
        break;
      }
      case Step::Kind::Focus: {
        const Step s = script_.take();
        const auto f = form.focused_field();
        if (!f || form.field(*f).id != s.text)
          throw ScriptError(shown + ": the script expected the focus on field " + s.text);
        break;
      }
      default:
        unexpected(shown);
    }
  }
  record("form closed", title, "", form.outcome() == FormOutcome::Confirmed ? "confirmed" : "cancelled");
}

void ScriptedScreen::do_run_browse(BrowseSession& browse) {
  const Text& title = browse.definition().title;
  record("browse", title, "");
  while (browse.open()) {
    const std::string shown = "browse [" + cp1252_to_utf8(title) + "] waiting for input";
    settle();
    if (script_.empty()) unexpected(shown);
    const Step& next = script_.next();
    auto row_text = [&] {
      std::string out;
      for (const auto& c : browse.current_cells()) out += (out.empty() ? "" : " | ") + cp1252_to_utf8(c);
      return out;
    };
    switch (next.kind) {
      case Step::Kind::Press: {
        const Step s = script_.take();
        browse.press(s.key);
        break;
      }
      case Step::Kind::Type: {
        const Step s = script_.take();
        for (char c : utf8_to_cp1252(s.text)) {
          if (!browse.open()) break;
          const std::string row = row_text();
          if (browse.type(c)) {
            // The row the button acted on, placed before what the action showed.
            transcript_.add({"row", cp1252_to_utf8(title), row, std::string(1, c), input_blocked()});
          }
        }
        break;
      }
      case Step::Kind::Button: {
        const Step s = script_.take();
        const auto& buttons = browse.definition().buttons;
        std::size_t i = 0;
        while (i < buttons.size() && !caption_matches(buttons[i].caption, s.text)) ++i;
        if (i == buttons.size()) throw ScriptError(shown + " has no button \"" + s.text + "\"");
        transcript_.add({"row", cp1252_to_utf8(title), row_text(), s.text, input_blocked()});
        browse.press_button(i);
        break;
      }
      default:
        unexpected(shown);
    }
  }
  record("browse closed", title, "");
}

bool ScriptedScreen::do_popup_menu(const Menu& menu) {
  const std::string shown = "pop-up menu";
  settle();
  if (script_.empty()) unexpected(shown);
  const Step& next = script_.next();
  if (next.kind == Step::Kind::Press && next.key == Key::Esc) {
    script_.take();
    record("menu", "", "", "closed");
    return false;
  }
  if (next.kind != Step::Kind::Choose) unexpected(shown);
  const Step s = script_.take();
  std::vector<Text> labels;
  for (const auto& p : s.path) labels.push_back(utf8_to_cp1252(p));
  const MenuPathResult found = find_menu_path(menu, labels);
  std::string path;
  for (const auto& p : s.path) path += (path.empty() ? "" : " > ") + p;
  if (found.missing) throw ScriptError("menu has no entry \"" + s.path[*found.missing] + "\" on the way to " + path);
  for (std::size_t i = 0; i < found.entries.size(); ++i) {
    const MenuEntry& e = *found.entries[i];
    if (!e.enabled) throw ScriptError("menu entry \"" + s.path[i] + "\" is disabled (" + path + ")");
    if (!e.status.empty()) set_message(e.status);  // highlighted on the way
    const bool last = i + 1 == found.entries.size();
    if (!last && !e.opens_submenu()) throw ScriptError("menu entry \"" + s.path[i] + "\" opens no submenu (" + path + ")");
    if (last && e.opens_submenu()) throw ScriptError("menu entry \"" + s.path[i] + "\" opens a submenu, not an action");
  }
  record("menu", "", utf8_to_cp1252(path));
  if (const auto& action = found.entries.back()->action) action();
  return true;
}

std::unique_ptr<Progress> ScriptedScreen::do_open_progress(const Text& title, long total) {
  record("progress", title, "", "of " + std::to_string(total));
  return std::make_unique<ScriptedProgress>(transcript_, cp1252_to_utf8(title));
}

void ScriptedScreen::message_changed() { record("message", "", message()); }

void ScriptedScreen::window_opened(Window& window) { record("window", window.definition().title, "", window.name()); }

Window* ScriptedScreen::active_window() { return windows().empty() ? nullptr : windows().back().get(); }

void ScriptedScreen::play(const std::function<bool()>& ended) {
  for (;;) {
    settle();
    if (script_.empty() || script_.next().kind == Step::Kind::End || (ended && ended())) return;
    Window* w = active_window();
    const std::string where = w ? "window " + w->name() : "no window";
    const Step& next = script_.next();
    switch (next.kind) {
      case Step::Kind::Press: {
        const Step s = script_.take();
        bool taken = false;
        for (Window* at = w; at && !taken; at = at->definition().parent.empty() ? nullptr : window(at->definition().parent))
          taken = at->press(s.key);
        if (!taken) transcript_.add({"ignored", "", key_name(s.key), where, input_blocked()});
        break;
      }
      case Step::Kind::Type: {
        const Step s = script_.take();
        if (!w || !w->entry()) throw ScriptError(where + " has no fields to type \"" + s.text + "\" into");
        for (char c : utf8_to_cp1252(s.text)) w->type(c);
        break;
      }
      case Step::Kind::Button: {
        const Step s = script_.take();
        bool found = false;
        for (Window* at = w; at && !found; at = at->definition().parent.empty() ? nullptr : window(at->definition().parent)) {
          for (const auto& b : at->buttons()) {
            if (!b.visible || !caption_matches(b.caption, s.text)) continue;
            found = true;
            if (!at->click(b.name)) transcript_.add({"ignored", "", s.text, "disabled", input_blocked()});
            break;
          }
        }
        if (!found) throw ScriptError(where + " shows no button \"" + s.text + "\"");
        break;
      }
      case Step::Kind::Focus: {
        const Step s = script_.take();
        const FormSession* entry = w ? w->entry() : nullptr;
        const auto f = entry ? entry->focused_field() : std::nullopt;
        if (!f || entry->field(*f).id != s.text)
          throw ScriptError(where + ": the script expected the focus on field " + s.text);
        break;
      }
      default:
        throw ScriptError("the script's next step is: " + describe(next) + ", but nothing is shown that it answers (" + where + ")");
    }
  }
}

void ScriptedScreen::expect_done() const {
  if (!script_.empty())
    throw ScriptError(std::to_string(script_.size()) + " script steps were not used; the next is: " + describe(script_.next()));
}

}  // namespace zelto::screen::scripted
