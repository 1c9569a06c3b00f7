#pragma once
// A browse window in a real window: the page of rows the browse session
// reads, its footer and its buttons; keys and clicks go to the session.

#include <QDialog>
#include <vector>

#include "platform/screen/browse_session.hpp"

class QPushButton;
class QTableView;
class QTableWidget;

namespace zelto::screen::qt {

class BrowseDialog : public QDialog {
  Q_OBJECT

 public:
  BrowseDialog(BrowseSession& session, QWidget* parent);
  void sync();
  QTableWidget* table() const { return table_; }
  QTableWidget* footer() const { return footer_; }
  // The view of the frozen columns laid over the left of the table, so that
  // they stay in place when the other columns scroll; null when none.
  QTableView* frozen() const { return frozen_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void freeze_columns(int count);
  void place_frozen();
  void clicked_row(int row);
  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  BrowseSession& session_;
  QTableWidget* table_;
  QTableWidget* footer_;
  QTableView* frozen_ = nullptr;
  std::vector<QPushButton*> buttons_;
};

}  // namespace zelto::screen::qt
