// TSrfArea: The wall/ceiling loading ratio and the painted surface area it gives.
#pragma once

#include "lumo_form.h"

class TSrfArea : public TLumoForm {
  Q_OBJECT
 public:
  TSrfArea(QWidget *owner, lumo::TLumoState *state);
};
