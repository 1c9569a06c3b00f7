#pragma once
// A standing window drawn from its plain state: panels as TSSay controls,
// buttons, the entry row's inputs. Keys go to the window (and on to its
// parent when it does not take them).

#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "platform/screen/window.hpp"

class QLabel;
class QPushButton;

namespace zelto::ui {
class TSSay;
}

namespace zelto::screen::qt {

class FieldEdit;

class WindowView : public QWidget {
  Q_OBJECT

 public:
  // `press_up` passes a key the window did not take to its parent window.
  WindowView(Window& window, QWidget* parent, std::function<bool(Key)> press_up);
  Window& window() { return window_; }
  void sync();
  void setMessage(const QString& text);

  ui::TSSay* panel(const std::string& name) const;
  QPushButton* button(const std::string& name) const;
  FieldEdit* input(std::size_t i) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void build_entry();

  Window& window_;
  std::function<bool(Key)> press_up_;
  std::map<std::string, ui::TSSay*> panels_;
  std::map<std::string, QPushButton*> buttons_;
  const FormSession* entry_built_ = nullptr;
  std::vector<std::pair<QWidget*, FieldEdit*>> inputs_;
  QLabel* message_bar_ = nullptr;
};

}  // namespace zelto::screen::qt
