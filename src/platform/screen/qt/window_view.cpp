#include "platform/screen/qt/window_view.hpp"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "platform/screen/qt/field_edit.hpp"
#include "platform/screen/qt/field_label.hpp"
#include "platform/screen/qt/key_map.hpp"
#include "platform/screen/qt/qt_text.hpp"
#include "ui/tssay.hpp"

namespace zelto::screen::qt {
namespace {

QRect to_rect(const Rect& r) { return {r.x, r.y, r.width, r.height}; }

ui::TSSay::Options options_of(const PanelStyle& s) {
  ui::TSSay::Options o;
  o.centred = s.align == Align::Centre;
  o.right = s.align == Align::Right;
  o.bottom = s.bottom;
  o.text = QColor::fromRgb(s.text.rgb);
  o.transparent = !s.background.has_value();
  if (s.background) o.background = QColor::fromRgb(s.background->rgb);
  o.shaded = s.frame == Frame::Shaded;
  o.box = s.frame == Frame::Box;
  o.raised = s.frame == Frame::Raised;
  return o;
}

}  // namespace

WindowView::WindowView(Window& window, QWidget* parent, std::function<bool(Key)> press_up)
    : QWidget(parent), window_(window), press_up_(std::move(press_up)) {
  setWindowTitle(to_qt(window.definition().title));
  setFocusPolicy(Qt::StrongFocus);
  if (window.definition().background) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(window.definition().background->rgb));
    setPalette(pal);
    setAutoFillBackground(true);
  }
  if (window.definition().message_bar) {
    message_bar_ = new QLabel(this);
    message_bar_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  }
  sync();
}

void WindowView::setMessage(const QString& text) {
  if (message_bar_) message_bar_->setText(text);
}

ui::TSSay* WindowView::panel(const std::string& name) const {
  auto it = panels_.find(name);
  return it == panels_.end() ? nullptr : it->second;
}

QPushButton* WindowView::button(const std::string& name) const {
  auto it = buttons_.find(name);
  return it == buttons_.end() ? nullptr : it->second;
}

FieldEdit* WindowView::input(std::size_t i) const { return i < inputs_.size() ? inputs_[i].second : nullptr; }

void WindowView::build_entry() {
  for (auto& [label, edit] : inputs_) {
    delete label;
    delete edit;
  }
  inputs_.clear();
  FormSession* entry = window_.entry();
  entry_built_ = entry;
  if (!entry) return;
  int x = 8;
  for (std::size_t i = 0; i < entry->field_count(); ++i) {
    const Field& f = entry->field(i);
    QWidget* label = make_field_label(f, this);
    auto* edit = new FieldEdit(*entry, i, this);
    edit->setOnClick([this](std::size_t at) {
      if (window_.entry()) window_.entry()->click_field(at);
      sync();
    });
    // Without placements the fields run along the top, label then input.
    if (!f.label_where.empty()) {
      label->setGeometry(to_rect(f.label_where));
    } else {
      label->setGeometry(x, 8, label->sizeHint().width(), edit->sizeHint().height());
      x += label->width() + 4;
    }
    if (!f.where.empty()) {
      edit->setGeometry(to_rect(f.where));
    } else {
      edit->setGeometry(x, 8, edit->sizeHint().width(), edit->sizeHint().height());
      x += edit->width() + 12;
    }
    inputs_.emplace_back(label, edit);
  }
}

void WindowView::sync() {
  for (const Panel& p : window_.panels()) {
    ui::TSSay* say = panel(p.name);
    if (!say) {
      say = new ui::TSSay(this, [] { return ui::SayValue(std::string()); }, options_of(p.style));
      QFont f = font();
      if (p.style.point_size > 0) f.setPointSize(p.style.point_size);
      f.setBold(p.style.bold);
      if (p.style.fixed_pitch) {
        f.setFamily("DejaVu Sans Mono");
        f.setStyleHint(QFont::Monospace);
      }
      say->setFont(f);
      const std::string name = p.name;
      say->setAction([this, name](ui::TSSay&) {
        window_.click(name);
        sync();
      });
      panels_[p.name] = say;
    }
    say->setGeometry(to_rect(p.geometry));
    if (say->caption() != p.text) say->SetText(p.text);
    say->setVisible(p.visible);
    say->setCursor(p.on_click ? Qt::PointingHandCursor : Qt::ArrowCursor);
  }
  for (const WindowButton& b : window_.buttons()) {
    QPushButton* button = this->button(b.name);
    if (!button) {
      button = new QPushButton(this);
      button->setFocusPolicy(Qt::NoFocus);
      const std::string name = b.name;
      connect(button, &QPushButton::clicked, this, [this, name] {
        window_.click(name);
        sync();
      });
      buttons_[b.name] = button;
    }
    button->setText(to_qt(b.caption));
    if (!b.geometry.empty()) button->setGeometry(to_rect(b.geometry));
    else button->adjustSize();
    button->setEnabled(b.enabled);
    button->setVisible(b.visible);
  }
  if (window_.entry() != entry_built_) build_entry();
  if (const FormSession* entry = window_.entry()) {
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
      inputs_[i].first->setVisible(entry->field(i).visible);
      inputs_[i].second->setVisible(entry->field(i).visible);
      inputs_[i].second->update();
    }
  }
  if (message_bar_) {
    const int h = message_bar_->sizeHint().height();
    message_bar_->setGeometry(0, height() - h, width(), h);
    message_bar_->raise();
  }
}

void WindowView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  sync();
}

void WindowView::keyPressEvent(QKeyEvent* event) {
  bool taken = false;
  if (auto key = key_of(*event)) {
    taken = window_.press(*key) || (press_up_ && press_up_(*key));
  } else if (auto byte = typed_byte(*event)) {
    taken = window_.type(*byte);
  }
  if (!taken) {
    QWidget::keyPressEvent(event);
    return;
  }
  sync();
}

}  // namespace zelto::screen::qt
