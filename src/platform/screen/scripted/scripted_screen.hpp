#pragma once
// The screen for tests and headless runs. It plays a script: each box is
// answered by the script's next step, matched on the box's exact text;
// forms, browses and menus take the script's typing, keys, buttons and
// choices. Timed messages and tones return at once. Everything shown goes
// into the transcript.
//
// Nothing ever waits for a person: a box, form, browse or menu that the
// script does not answer throws ScriptError at once, naming what was shown
// and the step the script had instead.
//
// Expectations and clock steps are taken as soon as they come up, before
// whatever step follows them: "expect" looks back over what was shown since
// the previous expectation, "clock" goes to the clock setter. An "end" step
// is left for the one running the program to check.

#include <functional>

#include "platform/screen/screen.hpp"
#include "platform/screen/scripted/script.hpp"
#include "platform/screen/scripted/transcript.hpp"

namespace zelto::screen::scripted {

class ScriptedScreen : public Screen {
 public:
  ScriptedScreen() = default;
  explicit ScriptedScreen(Script script) : script_(std::move(script)) {}

  Script& script() { return script_; }
  const Transcript& transcript() const { return transcript_; }

  // Plays the steps that are not answers to something shown: keys, typing
  // and button clicks on the window opened last (keys it does not take go
  // to its parent). Modal screens that their actions open take their own
  // steps. Returns when the script is done, when its next step is "end", or
  // as soon as `ended` says the program's run is over.
  void play(const std::function<bool()>& ended = {});
  // Takes the expectations and clock steps that come next.
  void settle();
  // Takes an "end" step when it comes next (after settling); false if
  // another step or none comes next.
  bool take_end();
  // Throws ScriptError when steps are left over.
  void expect_done() const;

  // Where "clock" steps go, with their "DD/MM/YYYY HH:MM"; without a setter
  // a clock step is a ScriptError.
  void set_clock_setter(std::function<void(const std::string&)> setter) { clock_setter_ = std::move(setter); }

  // The window that top-level steps go to: the one opened last.
  Window* active_window();

 protected:
  bool do_ask_yes_no(const Text& title, const Text& text, bool yes_preselected) override;
  void do_show_box(BoxKind kind, const Text& title, const Text& text) override;
  void do_show_timed(const Text& title, const Text& text, std::chrono::milliseconds shown_for) override;
  void do_tone(int hertz, std::chrono::milliseconds duration) override;
  void do_block_input(bool) override {}
  void do_run_form(FormSession& form) override;
  void do_run_browse(BrowseSession& browse) override;
  bool do_popup_menu(const Menu& menu) override;
  std::unique_ptr<Progress> do_open_progress(const Text& title, long total) override;
  void message_changed() override;
  void window_opened(Window& window) override;

 private:
  void record(std::string kind, const Text& title, const Text& text, std::string detail = {});
  [[noreturn]] void unexpected(const std::string& shown) const;
  Step take_box_step(const std::string& kind, const Text& title, const Text& text);

  void check_expectation(const std::string& wanted);

  Script script_;
  Transcript transcript_;
  std::size_t expect_from_ = 0;  // transcript entries before it were matched already
  std::function<void(const std::string&)> clock_setter_;
};

}  // namespace zelto::screen::scripted
