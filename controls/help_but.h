// THelpBut: the "About the Help Buttons" window: what the "?" buttons and
// the background-information buttons are for, with OK and Print.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

class THelpBut : public QDialog {
  Q_OBJECT

 public:
  explicit THelpBut(QWidget *parent = nullptr);

  // The explanatory text, one entry per line.
  static QStringList Lines();
  // Prints the heading and the text on one page.
  void Print();

 private:
  QLabel *heading_;
  QPlainTextEdit *memo_;
};
