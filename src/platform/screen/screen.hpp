#pragma once
// The screen every operation of the program talks to. Two backends stand
// behind it: the real windows (qt/) and a scripted one for tests and
// headless runs (scripted/).
//
// Every text given here or returned is Windows-1252, as the system holds it
// (types.hpp). The behaviour both backends share lives here: a box lifts
// the input block of a running printer command for as long as it is shown.

#include <chrono>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/screen/browse_session.hpp"
#include "platform/screen/form_session.hpp"
#include "platform/screen/menu.hpp"
#include "platform/screen/progress.hpp"
#include "platform/screen/window.hpp"

namespace zelto::screen {

enum class BoxKind { Question, Error, Alert, Information, Timed };

class Screen {
 public:
  Screen() = default;
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;
  virtual ~Screen() = default;

  // A yes/no question; the preselected answer is what Enter gives.
  bool ask_yes_no(const Text& title, const Text& text, bool yes_preselected);
  void show_error(const Text& title, const Text& text);
  void show_alert(const Text& title, const Text& text);
  void show_info(const Text& title, const Text& text);
  // A message without buttons, shown for the given time, then gone.
  void show_timed(const Text& title, const Text& text, std::chrono::milliseconds shown_for);
  void tone(int hertz, std::chrono::milliseconds duration);

  // Operator input is held while a printer command runs.
  void block_input();
  void unblock_input();
  bool input_blocked() const { return blocked_; }

  // Modal: return when the form, browse or menu is closed.
  FormOutcome run_form(FormSession& form);
  void run_browse(BrowseSession& browse);
  // True when an entry was chosen; its action has run by then.
  bool popup_menu(const Menu& menu);
  std::unique_ptr<Progress> open_progress(const Text& title, long total);

  // The main frame's message bar.
  void set_message(const Text& text);
  const Text& message() const { return message_; }

  Window& open_window(WindowSpec def);
  Window* window(std::string_view name);
  void close_window(std::string_view name);
  const std::vector<std::unique_ptr<Window>>& windows() const { return windows_; }

 protected:
  virtual bool do_ask_yes_no(const Text& title, const Text& text, bool yes_preselected) = 0;
  virtual void do_show_box(BoxKind kind, const Text& title, const Text& text) = 0;
  virtual void do_show_timed(const Text& title, const Text& text, std::chrono::milliseconds shown_for) = 0;
  virtual void do_tone(int hertz, std::chrono::milliseconds duration) = 0;
  virtual void do_block_input(bool blocked) = 0;
  virtual void do_run_form(FormSession& form) = 0;
  virtual void do_run_browse(BrowseSession& browse) = 0;
  virtual bool do_popup_menu(const Menu& menu) = 0;
  virtual std::unique_ptr<Progress> do_open_progress(const Text& title, long total) = 0;
  virtual void message_changed() {}
  virtual void window_opened(Window&) {}
  virtual void window_closing(Window&) {}

 private:
  // Lifts the input block for the life of a box and puts it back after.
  class BoxLift {
   public:
    explicit BoxLift(Screen& s);
    ~BoxLift();
   private:
    Screen& screen_;
    bool was_blocked_;
  };

  bool blocked_ = false;
  Text message_;
  std::vector<std::unique_ptr<Window>> windows_;
  std::vector<std::unique_ptr<Window>> closed_;
};

}  // namespace zelto::screen
