#include "tip_source.h"

#include "tips.h"

void TTipSource::OpenDialog(QWidget *owner) {
  if (!dialog_) return;
  dialog_->SetText(text_);
  dialog_->SetVertScroll(scroll_);
  dialog_->Execute(owner);
}
