#include "platform/screen/qt/browse_dialog.hpp"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/screen/qt/key_map.hpp"
#include "platform/screen/qt/qt_text.hpp"

namespace zelto::screen::qt {
namespace {

Qt::Alignment alignment(Align a) {
  switch (a) {
    case Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Centre: return Qt::AlignCenter;
    case Align::Left: break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

QColor colour(Colour c) { return QColor::fromRgb(c.rgb); }

QTableWidget* make_table(QWidget* parent, int columns) {
  auto* t = new QTableWidget(parent);
  t->setColumnCount(columns);
  t->setFocusPolicy(Qt::NoFocus);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionMode(QAbstractItemView::NoSelection);
  t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  t->verticalHeader()->hide();
  return t;
}

}  // namespace

BrowseDialog::BrowseDialog(BrowseSession& session, QWidget* parent) : QDialog(parent), session_(session) {
  const BrowseSpec& spec = session.spec();
  setWindowTitle(to_qt(spec.title));
  if (!spec.geometry.empty()) resize(spec.geometry.width, spec.geometry.height);
  auto* outer = new QVBoxLayout(this);
  const int columns = static_cast<int>(spec.columns.size());
  table_ = make_table(this, columns);
  QStringList headings;
  for (const auto& c : spec.columns) headings << to_qt(c.heading);
  table_->setHorizontalHeaderLabels(headings);
  for (int i = 0; i < columns; ++i) {
    if (auto* h = table_->horizontalHeaderItem(i)) h->setTextAlignment(alignment(spec.columns[i].heading_align));
    if (spec.columns[i].width > 0)
      table_->setColumnWidth(i, spec.columns[i].width * table_->fontMetrics().averageCharWidth() + 8);
  }
  table_->setRowCount(spec.page_rows);
  outer->addWidget(table_, 1);
  connect(table_, &QTableWidget::cellClicked, this, [this](int row, int) {
    const int line = session_.current_line();
    for (int i = line; i < row; ++i) session_.press(Key::Down);
    for (int i = line; i > row; --i) session_.press(Key::Up);
    sync();
  });

  footer_ = make_table(this, columns);
  footer_->horizontalHeader()->hide();
  footer_->setRowCount(1);
  footer_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  footer_->setFixedHeight(footer_->verticalHeader()->defaultSectionSize() + 4);
  outer->addWidget(footer_);

  auto* bar = new QHBoxLayout;
  outer->addLayout(bar);
  for (std::size_t i = 0; i < spec.buttons.size(); ++i) {
    auto* b = new QPushButton(to_qt(spec.buttons[i].caption), this);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    b->setEnabled(spec.buttons[i].enabled);
    connect(b, &QPushButton::clicked, this, [this, i] {
      session_.press_button(i);
      sync();
    });
    bar->addWidget(b);
    buttons_.push_back(b);
  }
  setFocusPolicy(Qt::StrongFocus);
  setFocus();
  sync();
  if (spec.geometry.empty()) {
    // Wide enough for the columns as the first page fills them, tall enough for the page.
    for (int i = 0; i < columns; ++i)
      if (spec.columns[i].width <= 0) table_->resizeColumnToContents(i);
    const int width = table_->horizontalHeader()->length() + 2 * table_->frameWidth() + 24;
    const int height = table_->horizontalHeader()->height() + spec.page_rows * table_->verticalHeader()->defaultSectionSize() +
                       2 * table_->frameWidth() + 8;
    table_->setMinimumSize(std::min(width, 1000), std::min(height, 700));
  }
}

void BrowseDialog::sync() {
  const BrowseSpec& spec = session_.spec();
  const auto rows = session_.page();
  const int columns = static_cast<int>(spec.columns.size());
  for (int r = 0; r < spec.page_rows; ++r) {
    const bool has = r < static_cast<int>(rows.size());
    for (int c = 0; c < columns; ++c) {
      auto* item = table_->item(r, c);
      if (!item) {
        item = new QTableWidgetItem;
        table_->setItem(r, c, item);
      }
      item->setText(has ? to_qt(rows[r].cells[c]) : QString());
      item->setTextAlignment(alignment(spec.columns[c].align));
      QColor back = Qt::white;
      if (has && rows[r].current) back = colour(spec.current_row);
      else if (has && spec.striped) back = colour(rows[r].odd ? spec.stripe_odd : spec.stripe_even);
      item->setBackground(back);
      item->setForeground(Qt::black);
    }
  }
  const auto totals = session_.footer();
  footer_->setVisible(!totals.empty());
  for (int c = 0; c < static_cast<int>(totals.size()); ++c) {
    auto* item = new QTableWidgetItem(to_qt(totals[c]));
    item->setTextAlignment(alignment(spec.columns[c].footer_align));
    footer_->setItem(0, c, item);
    footer_->setColumnWidth(c, table_->columnWidth(c));
  }
  if (!session_.open() && isVisible()) accept();
}

void BrowseDialog::keyPressEvent(QKeyEvent* event) {
  if (auto key = key_of(*event)) {
    session_.press(*key);
  } else if (auto letter = alt_letter(*event)) {
    session_.type(*letter);
  } else if (auto byte = typed_byte(*event)) {
    session_.type(*byte);
  } else {
    QDialog::keyPressEvent(event);
    return;
  }
  sync();
}

void BrowseDialog::reject() {
  session_.close();
  QDialog::reject();
}

}  // namespace zelto::screen::qt
