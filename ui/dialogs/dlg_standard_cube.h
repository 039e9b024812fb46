// TdlgStandardCube: The length, width and height of the Standard Box in ft or m; OK stores
// them and the building volume they give.
#pragma once

#include "lumo_form.h"

class TdlgStandardCube : public TLumoForm {
  Q_OBJECT
 public:
  TdlgStandardCube(QWidget *owner, lumo::TLumoState *state);
};
