// TNumErrorDlg, "A Small Error...": shows the text of a grid cell that is
// not a proper number and asks for a new value (0 to 2000); Cancel leaves
// the caller's stored value as it was.
#pragma once

#include <QDialog>

class QPushButton;
class TNumEdit;

class TNumErrorDlg : public QDialog {
  Q_OBJECT
 public:
  TNumErrorDlg(QWidget *owner, const QString &text);

  // The value typed into numedNewValue.
  double NewValue() const;

 private:
  TNumEdit *numedNewValue;
  QPushButton *ok_;
};
