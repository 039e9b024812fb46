// TNumErrorDlg: asks for a new value in place of a grid cell whose text is
// not a number (or out of bounds); Cancel keeps the stored value.
#pragma once

#include <QDialog>

class TNumErrorDlg : public QDialog {
  Q_OBJECT
 public:
  TNumErrorDlg(QWidget *owner, const QString &text);
};
