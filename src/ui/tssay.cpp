#include "ui/tssay.hpp"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "platform/runtime/cp1252.hpp"
#include "ui/bevel.hpp"

namespace zelto::ui {
namespace {

QString to_qt(const std::string& cp1252) { return QString::fromStdString(runtime::cp1252_to_utf8(cp1252)); }

}  // namespace

TSSay::TSSay(QWidget* parent, std::function<SayValue()> get, Options options)
    : QWidget(parent), get_(std::move(get)), options_(std::move(options)) {
  if (!get_) get_ = [] { return SayValue(std::string()); };
  caption_ = caption_of(get_(), options_.picture);
  setMouseTracking(true);
  setCursor(Qt::PointingHandCursor);
  setAutoFillBackground(false);
  if (options_.transparent) setAttribute(Qt::WA_NoSystemBackground);
  layoutText();
}

QColor TSSay::textColour() const {
  if (options_.text.isValid()) return options_.text;
  return parentWidget() ? parentWidget()->palette().color(QPalette::WindowText) : palette().color(QPalette::WindowText);
}

QColor TSSay::backgroundColour() const {
  if (options_.background.isValid()) return options_.background;
  return parentWidget() ? parentWidget()->palette().color(QPalette::Window) : palette().color(QPalette::Window);
}

QColor TSSay::overColour() const {
  return options_.over.isValid() ? options_.over : palette().color(QPalette::Active, QPalette::Highlight);
}

void TSSay::layoutText() {
  lines_ = caption_lines(caption_);
  const QFontMetrics fm(font());
  line_height_ = fm.height();
  text_width_ = 0;
  for (const auto& l : lines_) text_width_ = std::max(text_width_, fm.horizontalAdvance(to_qt(l)));
  update();
}

QPoint TSSay::anchor() const {
  const int top = options_.bottom ? height() : 0;
  const int left = options_.right ? width() : options_.centred ? width() / 2 : 0;
  return {left, top};
}

QRect TSSay::textRect() const {
  if (options_.box) return rect().adjusted(2, 2, -2, -2);
  if (options_.shaded || options_.raised) return rect().adjusted(1, 1, -1, -1);
  return rect();
}

QSize TSSay::sizeHint() const {
  const QFontMetrics fm(font());
  const int width = fm.averageCharWidth() * static_cast<int>(caption_.size()) - 4;
  return {std::max(width, 1), fm.height() > 0 ? fm.height() : 15};
}

void TSSay::SetText(const SayValue& value) {
  caption_ = caption_of(value, options_.picture);
  layoutText();
  repaint();
}

void TSSay::VarPut(const SayValue& value) {
  const std::string shown = caption_of(value, options_.picture);
  get_ = [shown] { return SayValue(shown); };
  // The fixed value is already formatted: no mask a second time.
  options_.picture.clear();
}

void TSSay::Refresh() {
  if (get_) SetText(get_());
}

void TSSay::setDrawBox(bool draw) {
  draw_box_ = draw;
  update();
}

void TSSay::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) layoutText();
  if (event->type() == QEvent::EnabledChange && !isEnabled()) over_ = false;
}

void TSSay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!options_.transparent) p.fillRect(rect(), backgroundColour());
  p.setFont(font());

  const QFontMetrics fm(font());
  const int ascent = fm.ascent();
  const QPoint at = anchor();
  // The anchor is the first line's top (or bottom when bottom-aligned) and
  // its left, centre or right edge, as the alignment says.
  auto draw_lines = [&](QPoint offset, const QColor& colour) {
    p.setPen(colour);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      const QString line = to_qt(lines_[i]);
      const int w = fm.horizontalAdvance(line);
      int x = at.x();
      if (options_.right) x -= w;
      else if (options_.centred) x -= w / 2;
      int top = at.y() + static_cast<int>(i) * line_height_;
      if (options_.bottom) top -= line_height_;
      p.drawText(QPoint(x, top + ascent) + offset, line);
    }
  };

  if (isEnabled()) {
    draw_lines({0, 0}, over_ ? overColour() : textColour());
    if (draw_box_) {
      const QWidget* parent = parentWidget();
      const QColor pen = over_ ? (parent ? parent->palette().color(QPalette::WindowText) : Qt::black)
                               : (parent ? parent->palette().color(QPalette::Window) : Qt::white);
      p.setPen(QPen(pen, 1));
      p.setBrush(Qt::NoBrush);
      p.drawRect(textRect().adjusted(0, 0, -1, -1));
    }
  } else {
    // Engraved: a light copy a pixel down and right, the dark one in place.
    draw_lines({1, 1}, palette().color(QPalette::Light));
    draw_lines({0, 0}, palette().color(QPalette::Dark));
  }

  if (options_.shaded) draw_edge(p, rect(), Edge::Sunken, palette());
  else if (options_.raised) draw_edge(p, rect(), Edge::Raised, palette());
  else if (options_.box) draw_etched_box(p, rect(), palette());
  if (options_.bordered) {
    p.setPen(textColour());
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void TSSay::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (!isEnabled() || over_) return;
  over_ = true;
  repaint();
  if (mouse_over_) mouse_over_(*this);
}

void TSSay::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (!over_) return;
  over_ = false;
  repaint();
  if (mouse_leave_) mouse_leave_(*this);
}

void TSSay::mouseReleaseEvent(QMouseEvent* event) {
  if (isEnabled() && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && action_) {
    action_(*this);
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

}  // namespace zelto::ui
