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
  // steps. Returns when the script is done.
  void play();
  // Throws ScriptError when steps are left over.
  void expect_done() const;

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

  Script script_;
  Transcript transcript_;
};

}  // namespace zelto::screen::scripted
