#include "platform/screen/qt/field_edit.hpp"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "platform/screen/qt/qt_text.hpp"

namespace zelto::screen::qt {

FieldEdit::FieldEdit(FormSession& session, std::size_t index, QWidget* parent)
    : QWidget(parent), session_(session), index_(index) {
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::IBeamCursor);
}

QString FieldEdit::shownText() const {
  Text shown = session_.display(index_);
  if (session_.field(index_).secret)
    for (char& c : shown) c = c == ' ' ? ' ' : '*';
  return to_qt(shown);
}

QSize FieldEdit::sizeHint() const {
  const QFontMetrics fm(font());
  const int chars = std::max<int>(static_cast<int>(session_.display(index_).size()), 1);
  // Room for every position of the buffer and the cursor after the last.
  return {fm.horizontalAdvance(QString(chars + 1, QChar('0'))) + 8, fm.height() + 6};
}

void FieldEdit::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const bool enabled = session_.field(index_).enabled && !session_.field(index_).read_only;
  const bool focused = session_.focused_field() == index_;
  p.fillRect(rect(), enabled ? palette().color(QPalette::Base) : palette().color(QPalette::Window));
  p.setPen(focused ? palette().color(QPalette::Highlight) : palette().color(QPalette::Dark));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  if (focused) p.drawRect(rect().adjusted(1, 1, -2, -2));
  const QString text = shownText();
  const QFontMetrics fm(font());
  const int x = 4;
  const int baseline = (height() - fm.height()) / 2 + fm.ascent();
  p.setPen(enabled ? palette().color(QPalette::Text) : palette().color(QPalette::Disabled, QPalette::Text));
  p.drawText(x, baseline, text);
  if (focused && session_.editor()) {
    const int at = static_cast<int>(session_.editor()->cursor());
    const int cx = x + fm.horizontalAdvance(text.left(at));
    p.fillRect(QRect(cx, baseline - fm.ascent(), 2, fm.height()), palette().color(QPalette::Text));
  }
}

void FieldEdit::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && on_click_) on_click_(index_);
}

}  // namespace zelto::screen::qt
