#include "platform/screen/qt/field_label.hpp"

#include <QFontMetrics>
#include <QLabel>

#include "platform/screen/qt/qt_text.hpp"
#include "ui/tssay.hpp"

namespace zelto::screen::qt {
namespace {

// The control's own size rule (average character width) can cut a caption
// of wide letters; a label must always show its whole text.
void fit(ui::TSSay& say) {
  const QFontMetrics fm(say.font());
  say.setMinimumSize(fm.horizontalAdvance(to_qt(say.caption())) + 6, fm.height() + 4);
}

}  // namespace

QWidget* make_field_label(const Field& field, QWidget* parent) {
  if (field.label_frame == Frame::None) return new QLabel(to_qt(field.label), parent);
  ui::TSSay::Options o;
  o.shaded = field.label_frame == Frame::Shaded;
  o.box = field.label_frame == Frame::Box;
  o.raised = field.label_frame == Frame::Raised;
  o.transparent = true;
  const Text text = field.label;
  auto* say = new ui::TSSay(parent, [text] { return ui::SayValue(text); }, o);
  say->setCursor(Qt::ArrowCursor);
  fit(*say);
  return say;
}

void set_field_label_text(QWidget& label, const Text& text) {
  if (auto* say = qobject_cast<ui::TSSay*>(&label)) {
    if (say->caption() == text) return;
    say->SetText(text);
    fit(*say);
  } else if (auto* plain = qobject_cast<QLabel*>(&label)) {
    plain->setText(to_qt(text));
  }
}

}  // namespace zelto::screen::qt
