// TNumEdit: the numeric field of every scenario window (value, range,
// decimals, display masks). All behaviour is in TCustomNumEdit.
#pragma once

#include "custom_num_edit.h"

class TNumEdit : public TCustomNumEdit {
  Q_OBJECT

 public:
  explicit TNumEdit(QWidget *parent = nullptr) : TCustomNumEdit(parent) {}
};
