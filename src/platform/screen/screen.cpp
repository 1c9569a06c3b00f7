#include "platform/screen/screen.hpp"

#include <algorithm>
#include <stdexcept>

namespace zelto::screen {

Screen::BoxLift::BoxLift(Screen& s) : screen_(s), was_blocked_(s.blocked_) {
  if (was_blocked_) screen_.unblock_input();
}

Screen::BoxLift::~BoxLift() {
  if (was_blocked_) screen_.block_input();
}

bool Screen::ask_yes_no(const Text& title, const Text& text, bool yes_preselected) {
  BoxLift lift(*this);
  return do_ask_yes_no(title, text, yes_preselected);
}

void Screen::show_error(const Text& title, const Text& text) {
  BoxLift lift(*this);
  do_show_box(BoxKind::Error, title, text);
}

void Screen::show_alert(const Text& title, const Text& text) {
  BoxLift lift(*this);
  do_show_box(BoxKind::Alert, title, text);
}

void Screen::show_info(const Text& title, const Text& text) {
  BoxLift lift(*this);
  do_show_box(BoxKind::Information, title, text);
}

void Screen::show_timed(const Text& title, const Text& text, std::chrono::milliseconds shown_for) {
  do_show_timed(title, text, shown_for);
}

void Screen::tone(int hertz, std::chrono::milliseconds duration) { do_tone(hertz, duration); }

void Screen::block_input() {
  if (blocked_) return;
  blocked_ = true;
  do_block_input(true);
}

void Screen::unblock_input() {
  if (!blocked_) return;
  blocked_ = false;
  do_block_input(false);
}

FormOutcome Screen::run_form(FormSession& form) {
  do_run_form(form);
  return form.outcome();
}

void Screen::run_browse(BrowseSession& browse) { do_run_browse(browse); }

bool Screen::popup_menu(const Menu& menu) { return do_popup_menu(menu); }

std::unique_ptr<Progress> Screen::open_progress(const Text& title, long total) {
  return do_open_progress(title, total);
}

void Screen::set_message(const Text& text) {
  message_ = text;
  message_changed();
}

Window& Screen::open_window(WindowSpec def) {
  if (window(def.name)) throw std::invalid_argument("window already open: " + def.name);
  if (!def.parent.empty() && !window(def.parent)) throw std::invalid_argument("no parent window: " + def.parent);
  windows_.push_back(std::make_unique<Window>(std::move(def)));
  Window& w = *windows_.back();
  window_opened(w);
  return w;
}

Window* Screen::window(std::string_view name) {
  for (auto& w : windows_)
    if (w->name() == name) return w.get();
  return nullptr;
}

void Screen::close_window(std::string_view name) {
  // Children go first: the sales window closes with the frame.
  for (std::size_t i = windows_.size(); i-- > 0;)
    if (windows_[i]->definition().parent == name) close_window(windows_[i]->name());
  auto it = std::find_if(windows_.begin(), windows_.end(), [&](const auto& w) { return w->name() == name; });
  if (it == windows_.end()) return;
  window_closing(**it);
  (*it)->set_observer({});
  // A window is often closed by its own key or button action, which is
  // still running: keep the object until the screen goes.
  closed_.push_back(std::move(*it));
  windows_.erase(it);
}

}  // namespace zelto::screen
