#pragma once
// A browse window in a real window: the page of rows the browse session
// reads, its footer and its buttons; keys and clicks go to the session.

#include <QDialog>
#include <vector>

#include "platform/screen/browse_session.hpp"

class QPushButton;
class QTableWidget;

namespace zelto::screen::qt {

class BrowseDialog : public QDialog {
  Q_OBJECT

 public:
  BrowseDialog(BrowseSession& session, QWidget* parent);
  void sync();
  QTableWidget* table() const { return table_; }
  QTableWidget* footer() const { return footer_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  BrowseSession& session_;
  QTableWidget* table_;
  QTableWidget* footer_;
  std::vector<QPushButton*> buttons_;
};

}  // namespace zelto::screen::qt
