#include "platform/screen/qt/form_dialog.hpp"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "platform/screen/qt/field_edit.hpp"
#include "platform/screen/qt/field_label.hpp"
#include "platform/screen/qt/key_map.hpp"
#include "platform/screen/qt/qt_text.hpp"

namespace zelto::screen::qt {

FormDialog::FormDialog(FormSession& session, QWidget* parent) : QDialog(parent), session_(session) {
  setWindowTitle(to_qt(session.definition().title));
  if (const Rect& g = session.definition().geometry; !g.empty()) resize(g.width, g.height);
  setFocusPolicy(Qt::StrongFocus);
  auto* outer = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  outer->addLayout(grid);
  // Each field takes four cells of its line: label, input, "?", description.
  std::map<int, int> used;  // line -> fields on it so far
  int line = -1;
  int widest = 1;
  for (std::size_t i = 0; i < session.field_count(); ++i) {
    const Field& f = session.field(i);
    line = f.line >= 0 ? f.line : line + 1;
    const int column = 4 * used[line]++;
    widest = std::max(widest, used[line]);
    Row row{make_field_label(f, this), new FieldEdit(session, i, this), new QToolButton(this), new QLabel(this)};
    row.edit->setOnClick([this](std::size_t at) {
      session_.click_field(at);
      sync();
    });
    row.lookup->setText(QStringLiteral("?"));
    row.lookup->setFocusPolicy(Qt::NoFocus);
    row.lookup->setVisible(bool(f.on_f2));
    connect(row.lookup, &QToolButton::clicked, this, [this, i] {
      session_.click_field(i);
      if (session_.focused_field() == i) session_.press(Key::F2);
      sync();
    });
    grid->addWidget(row.label, line, column, f.label_align == Align::Right ? Qt::AlignRight | Qt::AlignVCenter : Qt::Alignment());
    grid->addWidget(row.edit, line, column + 1, Qt::AlignLeft);
    grid->addWidget(row.lookup, line, column + 2);
    grid->addWidget(row.description, line, column + 3);
    rows_.push_back(row);
  }
  grid->setColumnStretch(4 * widest - 1, 1);
  for (const Text& note : session.definition().notes) outer->addWidget(new QLabel(to_qt(note), this));
  auto* bar = new QHBoxLayout;
  outer->addLayout(bar);
  for (std::size_t i = 0; i < session.definition().buttons.size(); ++i) {
    auto* b = new QPushButton(to_qt(session.definition().buttons[i].caption), this);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, i] {
      session_.press_button(i);
      sync();
    });
    bar->addWidget(b);
    buttons_.push_back(b);
  }
  setFocus();
}

void FormDialog::sync() {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const Field& f = session_.field(i);
    rows_[i].label->setVisible(f.visible);
    rows_[i].edit->setVisible(f.visible);
    rows_[i].lookup->setVisible(f.visible && f.on_f2);
    rows_[i].lookup->setEnabled(f.focusable());
    rows_[i].description->setVisible(f.visible);
    set_field_label_text(*rows_[i].label, f.label);
    rows_[i].description->setText(to_qt(f.description));
    rows_[i].edit->updateGeometry();
    rows_[i].edit->update();
  }
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->setEnabled(session_.definition().buttons[i].enabled);
    buttons_[i]->setDefault(session_.focused_button() == i);
  }
  if (!session_.open() && isVisible()) done(session_.outcome() == FormOutcome::Confirmed ? Accepted : Rejected);
}

void FormDialog::keyPressEvent(QKeyEvent* event) {
  if (auto letter = alt_letter(*event)) {
    session_.press_hot_key(*letter);
  } else if (auto key = key_of(*event)) {
    session_.press(*key);
  } else if (auto byte = typed_byte(*event)) {
    session_.type(*byte);
  } else {
    QDialog::keyPressEvent(event);
    return;
  }
  sync();
}

void FormDialog::closeEvent(QCloseEvent* event) {
  if (session_.open()) {
    session_.cancel();
    if (session_.open()) {
      event->ignore();
      sync();
      return;
    }
  }
  QDialog::closeEvent(event);
}

// Esc comes through keyPressEvent; this is the window system's own reject.
void FormDialog::reject() {
  if (session_.open()) session_.cancel();
  if (!session_.open()) QDialog::reject();
}

}  // namespace zelto::screen::qt
