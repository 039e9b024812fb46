#include "tips.h"

#include <QCheckBox>
#include <QLabel>
#include <QTextBrowser>

bool TTips::Execute(QWidget *parent) {
  TTipForm form(parent);
  form.setWindowTitle(title_);
  form.TipHeader()->setText(header_);
  form.SetScrollBars(scroll_);
  form.ShowNextTime()->hide();
  form.TipList() = tips_;
  form.TipText()->setPlainText(text_);
  const bool closed = form.exec() == QDialog::Accepted;
  showAtStart_ = form.ShowNextTime()->isChecked();
  return closed;
}
