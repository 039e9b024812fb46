// TfrmDispChemicals: the information viewer of the background-information
// buttons (model limitations, default scenarios, chemicals behind the
// emission models). A caption panel with the title above the read-only text
// of a plain-text document, with Close and Print.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

class TfrmDispChemicals : public QDialog {
  Q_OBJECT

 public:
  TfrmDispChemicals(const QString &title, const QString &fileName, QWidget *parent = nullptr);

  // Prints the title and the text.
  void Print();

 private:
  QLabel *pnlCaption_;
  QPlainTextEdit *memoChemList_;
};
