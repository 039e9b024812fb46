// TRTFFormTips: the help viewer of the "?" buttons. Shows a help document
// (HTML, or plain text when the file is not HTML) under a heading, or the
// line "<file>: Does not Exist" when there is no such file.
#pragma once

#include "tip_form.h"

class TRTFFormTips : public TTipForm {
  Q_OBJECT

 public:
  TRTFFormTips(const QString &title, const QString &fileName, QWidget *parent = nullptr);
};
