#include "platform/screen/qt/qt_screen.hpp"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/screen/qt/browse_dialog.hpp"
#include "platform/screen/qt/form_dialog.hpp"
#include "platform/screen/qt/input_blocker.hpp"
#include "platform/screen/qt/qt_progress.hpp"
#include "platform/screen/qt/qt_text.hpp"
#include "platform/screen/qt/window_view.hpp"

namespace zelto::screen::qt {

QtScreen::QtScreen(Sleeper& sleeper) : sleeper_(sleeper), blocker_(std::make_unique<InputBlocker>()) {}

QtScreen::~QtScreen() {
  for (auto& [name, view] : views_)
    if (view && !view->parentWidget()) delete view.data();
}

WindowView* QtScreen::view(std::string_view window_name) const {
  auto it = views_.find(window_name);
  return it == views_.end() ? nullptr : it->second.data();
}

QWidget* QtScreen::dialog_parent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  for (const auto& w : windows())
    if (w->definition().parent.empty()) return view(w->name());
  return nullptr;
}

void QtScreen::announce(QWidget& modal) {
  if (!modal_hook_) return;
  QPointer<QWidget> guard(&modal);
  QTimer::singleShot(0, &modal, [this, guard] {
    if (guard && modal_hook_) modal_hook_(*guard);
  });
}

void QtScreen::sync() {
  for (auto& [name, view] : views_)
    if (view) view->sync();
}

bool QtScreen::do_ask_yes_no(const Text& title, const Text& text, bool yes_preselected) {
  QMessageBox box(QMessageBox::Question, to_qt(title), to_qt(text), QMessageBox::NoButton, dialog_parent());
  QPushButton* yes = box.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("&N\u00E3o"), QMessageBox::NoRole);
  box.setDefaultButton(yes_preselected ? yes : no);
  box.setEscapeButton(no);
  announce(box);
  box.exec();
  return box.clickedButton() == yes;
}

void QtScreen::do_show_box(BoxKind kind, const Text& title, const Text& text) {
  const QMessageBox::Icon icon = kind == BoxKind::Error   ? QMessageBox::Critical
                                 : kind == BoxKind::Alert ? QMessageBox::Warning
                                                          : QMessageBox::Information;
  QMessageBox box(icon, to_qt(title), to_qt(text), QMessageBox::Ok, dialog_parent());
  announce(box);
  box.exec();
}

void QtScreen::do_show_timed(const Text& title, const Text& text, std::chrono::milliseconds shown_for) {
  QWidget window(dialog_parent(), Qt::Dialog);
  window.setWindowTitle(to_qt(title));
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(new QLabel(to_qt(text), &window));
  window.show();
  announce(window);
  sleeper_.sleep(shown_for);
}

void QtScreen::do_tone(int hertz, std::chrono::milliseconds duration) {
  (void)hertz;  // the desktop bell has one pitch
  QApplication::beep();
  sleeper_.sleep(duration);
}

void QtScreen::do_block_input(bool blocked) { blocker_->set_blocked(blocked); }

void QtScreen::do_run_form(FormSession& form) {
  FormDialog dialog(form, dialog_parent());
  form.start();
  dialog.sync();
  if (!form.open()) return;
  announce(dialog);
  dialog.exec();
  sync();
}

void QtScreen::do_run_browse(BrowseSession& browse) {
  BrowseDialog dialog(browse, dialog_parent());
  dialog.sync();
  announce(dialog);
  dialog.exec();
  sync();
}

namespace {

void add_entries(QMenu& menu, const std::vector<MenuEntry>& entries, std::map<QAction*, const MenuEntry*>& leaves,
                 Screen& screen) {
  for (const MenuEntry& e : entries) {
    QAction* action = nullptr;
    if (e.opens_submenu()) {
      QMenu* sub = menu.addMenu(to_qt(e.caption));
      sub->setEnabled(e.enabled);
      add_entries(*sub, e.children, leaves, screen);
      action = sub->menuAction();
    } else {
      action = menu.addAction(to_qt(e.caption));
      action->setEnabled(e.enabled);
      leaves[action] = &e;
    }
    const Text status = e.status;
    QObject::connect(action, &QAction::hovered, &menu, [&screen, status] { screen.set_message(status); });
  }
}

}  // namespace

bool QtScreen::do_popup_menu(const Menu& menu) {
  QMenu popup(dialog_parent());
  std::map<QAction*, const MenuEntry*> leaves;
  add_entries(popup, menu.entries, leaves, *this);
  QPoint at = QCursor::pos();
  if (QWidget* parent = dialog_parent(); parent && !menu.where.empty()) at = parent->mapToGlobal(QPoint(menu.where.x, menu.where.y));
  announce(popup);
  QAction* chosen = popup.exec(at);
  auto it = leaves.find(chosen);
  if (it == leaves.end()) return false;
  if (it->second->action) it->second->action();
  sync();
  return true;
}

std::unique_ptr<Progress> QtScreen::do_open_progress(const Text& title, long total) {
  return std::make_unique<QtProgress>(title, total, dialog_parent());
}

void QtScreen::message_changed() {
  for (auto& [name, view] : views_)
    if (view) view->setMessage(to_qt(message()));
}

bool QtScreen::press_from(const std::string& window_name, Key key) {
  Window* w = window(window_name);
  if (!w) return false;
  if (w->press(key)) return true;
  return !w->definition().parent.empty() && press_from(w->definition().parent, key);
}

void QtScreen::window_opened(Window& window) {
  const WindowSpec& def = window.definition();
  WindowView* parent = def.parent.empty() ? nullptr : view(def.parent);
  const std::string parent_name = def.parent;
  auto* v = new WindowView(window, parent, [this, parent_name](Key key) { return press_from(parent_name, key); });
  views_[def.name] = v;
  window.set_observer([v] { v->sync(); });
  if (!def.geometry.empty()) v->setGeometry(def.geometry.x, def.geometry.y, def.geometry.width, def.geometry.height);
  else if (parent) v->setGeometry(parent->rect());
  else v->resize(800, 600);
  if (def.maximized && !parent) v->showMaximized();
  else v->show();
  v->setFocus();
}

void QtScreen::window_closing(Window& window) {
  window.set_observer({});
  auto it = views_.find(window.name());
  if (it == views_.end()) return;
  // The view may be inside its own key handler: it goes once that returns.
  if (WindowView* v = it->second.data()) {
    v->hide();
    v->deleteLater();
  }
  views_.erase(it);
}

}  // namespace zelto::screen::qt
