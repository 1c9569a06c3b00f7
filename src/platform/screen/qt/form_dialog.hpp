#pragma once
// A modal form in a real window: labels, inputs, descriptions, notes and
// buttons drawn from the form session, every key fed to it.

#include <QDialog>
#include <vector>

#include "platform/screen/form_session.hpp"

class QLabel;
class QPushButton;
class QToolButton;

namespace zelto::screen::qt {

class FieldEdit;

class FormDialog : public QDialog {
  Q_OBJECT

 public:
  FormDialog(FormSession& session, QWidget* parent);
  // Redraws from the session; closes the dialog once the form is closed.
  void sync();
  FieldEdit* input(std::size_t i) const { return rows_.at(i).edit; }
  QPushButton* button(std::size_t i) const { return buttons_.at(i); }
  // The "?" beside an input with an F2 lookup: the lookup by mouse.
  QToolButton* lookup(std::size_t i) const { return rows_.at(i).lookup; }
  // A plain label, or a TSSay when the field asks for a framed one.
  QWidget* label(std::size_t i) const { return rows_.at(i).label; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  struct Row {
    QWidget* label;
    FieldEdit* edit;
    QToolButton* lookup;
    QLabel* description;
  };
  FormSession& session_;
  std::vector<Row> rows_;
  std::vector<QPushButton*> buttons_;
};

}  // namespace zelto::screen::qt
