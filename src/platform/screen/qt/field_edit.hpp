#pragma once
// One input of a form as the operator sees it: the field's text (its
// buffer while typed into) in a sunken box, with the cursor. It takes no
// keys itself: the form's window feeds every key to the form session.

#include <QWidget>
#include <functional>

#include "platform/screen/form_session.hpp"

namespace zelto::screen::qt {

class FieldEdit : public QWidget {
  Q_OBJECT

 public:
  FieldEdit(FormSession& session, std::size_t index, QWidget* parent);
  void setOnClick(std::function<void(std::size_t)> on_click) { on_click_ = std::move(on_click); }
  QSize sizeHint() const override;
  // The text shown, as the operator reads it (asterisks for secrets).
  QString shownText() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  FormSession& session_;
  std::size_t index_;
  std::function<void(std::size_t)> on_click_;
};

}  // namespace zelto::screen::qt
