#pragma once
// The real program's screen: Qt 6 Widgets. Boxes are message boxes, forms
// and browses are modal dialogs driven by their sessions, standing windows
// are drawn from their plain state. Waits go through the given sleeper.
//
// Keyboard first, as at a checkout: function keys, Enter to the next field,
// Up to the previous one, Esc to leave.

#include <QPointer>
#include <functional>
#include <map>
#include <memory>

#include "platform/screen/screen.hpp"
#include "platform/screen/sleeper.hpp"

class QObject;
class QWidget;

namespace zelto::screen::qt {

class WindowView;
class InputBlocker;

class QtScreen : public Screen {
 public:
  explicit QtScreen(Sleeper& sleeper);
  ~QtScreen() override;

  WindowView* view(std::string_view window_name) const;
  // Called with every modal window (box, form, browse, menu, timed message)
  // once it is on screen; tests drive the dialogs from here.
  void set_modal_hook(std::function<void(QWidget&)> hook) { modal_hook_ = std::move(hook); }
  // Redraws every standing window from its state.
  void sync();

 protected:
  bool do_ask_yes_no(const Text& title, const Text& text, bool yes_preselected) override;
  void do_show_box(BoxKind kind, const Text& title, const Text& text) override;
  void do_show_timed(const Text& title, const Text& text, std::chrono::milliseconds shown_for) override;
  void do_tone(int hertz, std::chrono::milliseconds duration) override;
  void do_block_input(bool blocked) override;
  void do_run_form(FormSession& form) override;
  void do_run_browse(BrowseSession& browse) override;
  bool do_popup_menu(const Menu& menu) override;
  std::unique_ptr<Progress> do_open_progress(const Text& title, long total) override;
  void message_changed() override;
  void window_opened(Window& window) override;
  void window_closing(Window& window) override;

 private:
  QWidget* dialog_parent() const;
  void announce(QWidget& modal);
  bool press_from(const std::string& window_name, Key key);

  Sleeper& sleeper_;
  std::unique_ptr<InputBlocker> blocker_;
  std::map<std::string, QPointer<WindowView>, std::less<>> views_;
  std::function<void(QWidget&)> modal_hook_;
};

}  // namespace zelto::screen::qt
