#include "platform/screen/qt/browse_dialog.hpp"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
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
  const BrowseSpec& def = session.definition();
  setWindowTitle(to_qt(def.title));
  if (!def.geometry.empty()) resize(def.geometry.width, def.geometry.height);
  auto* outer = new QVBoxLayout(this);
  const int columns = static_cast<int>(def.columns.size());
  table_ = make_table(this, columns);
  QStringList headings;
  for (const auto& c : def.columns) headings << to_qt(c.heading);
  table_->setHorizontalHeaderLabels(headings);
  for (int i = 0; i < columns; ++i) {
    if (auto* h = table_->horizontalHeaderItem(i)) h->setTextAlignment(alignment(def.columns[i].heading_align));
    if (def.columns[i].width > 0)
      table_->setColumnWidth(i, def.columns[i].width * table_->fontMetrics().averageCharWidth() + 8);
  }
  table_->setRowCount(def.page_rows);
  outer->addWidget(table_, 1);
  connect(table_, &QTableWidget::cellClicked, this, [this](int row, int) { clicked_row(row); });

  footer_ = make_table(this, columns);
  footer_->horizontalHeader()->hide();
  footer_->setRowCount(1);
  footer_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  footer_->setFixedHeight(footer_->verticalHeader()->defaultSectionSize() + 4);
  outer->addWidget(footer_);

  auto* bar = new QHBoxLayout;
  outer->addLayout(bar);
  for (std::size_t i = 0; i < def.buttons.size(); ++i) {
    auto* b = new QPushButton(to_qt(def.buttons[i].caption), this);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    b->setEnabled(def.buttons[i].enabled);
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
  if (def.geometry.empty()) {
    // Wide enough for the columns as the first page fills them, tall enough for the page.
    for (int i = 0; i < columns; ++i)
      if (def.columns[i].width <= 0) table_->resizeColumnToContents(i);
    const int width = table_->horizontalHeader()->length() + 2 * table_->frameWidth() + 24;
    const int height = table_->horizontalHeader()->height() + def.page_rows * table_->verticalHeader()->defaultSectionSize() +
                       2 * table_->frameWidth() + 8;
    table_->setMinimumSize(std::min(width, 1000), std::min(height, 700));
  }
  if (def.frozen > 0 && def.frozen < columns) freeze_columns(def.frozen);
}

void BrowseDialog::clicked_row(int row) {
  const int line = session_.current_line();
  for (int i = line; i < row; ++i) session_.press(Key::Down);
  for (int i = line; i > row; --i) session_.press(Key::Up);
  sync();
}

// A second view over the same cells, showing only the frozen columns, laid
// over the left edge of the table: the table scrolls beneath it.
void BrowseDialog::freeze_columns(int count) {
  frozen_ = new QTableView(table_);
  frozen_->setModel(table_->model());
  frozen_->setFocusPolicy(Qt::NoFocus);
  frozen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  frozen_->setSelectionMode(QAbstractItemView::NoSelection);
  frozen_->verticalHeader()->hide();
  frozen_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  frozen_->setFrameShape(QFrame::NoFrame);
  for (int c = 0; c < table_->columnCount(); ++c) frozen_->setColumnHidden(c, c >= count);
  connect(frozen_, &QTableView::clicked, this, [this](const QModelIndex& index) { clicked_row(index.row()); });
  connect(table_->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int, int, int) { place_frozen(); });
  table_->viewport()->stackUnder(frozen_);
  table_->installEventFilter(this);
  frozen_->show();
  place_frozen();
}

void BrowseDialog::place_frozen() {
  if (!frozen_) return;
  int width = 0;
  for (int c = 0; c < table_->columnCount(); ++c) {
    if (frozen_->isColumnHidden(c)) continue;
    frozen_->setColumnWidth(c, table_->columnWidth(c));
    width += table_->columnWidth(c);
  }
  for (int r = 0; r < table_->rowCount(); ++r) frozen_->setRowHeight(r, table_->rowHeight(r));
  frozen_->horizontalHeader()->setFixedHeight(table_->horizontalHeader()->height());
  frozen_->setGeometry(table_->frameWidth(), table_->frameWidth(), width,
                       table_->viewport()->height() + table_->horizontalHeader()->height());
}

bool BrowseDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) place_frozen();
  return QDialog::eventFilter(watched, event);
}

void BrowseDialog::sync() {
  const BrowseSpec& def = session_.definition();
  const auto rows = session_.page();
  const int columns = static_cast<int>(def.columns.size());
  for (int r = 0; r < def.page_rows; ++r) {
    const bool has = r < static_cast<int>(rows.size());
    for (int c = 0; c < columns; ++c) {
      auto* item = table_->item(r, c);
      if (!item) {
        item = new QTableWidgetItem;
        table_->setItem(r, c, item);
      }
      item->setText(has ? to_qt(rows[r].cells[c]) : QString());
      item->setTextAlignment(alignment(def.columns[c].align));
      QColor back = Qt::white;
      if (has && rows[r].current) back = colour(def.current_row);
      else if (has && def.striped) back = colour(rows[r].odd ? def.stripe_odd : def.stripe_even);
      item->setBackground(back);
      item->setForeground(Qt::black);
    }
  }
  const auto totals = session_.footer();
  footer_->setVisible(!totals.empty());
  for (int c = 0; c < static_cast<int>(totals.size()); ++c) {
    auto* item = new QTableWidgetItem(to_qt(totals[c]));
    item->setTextAlignment(alignment(def.columns[c].footer_align));
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
