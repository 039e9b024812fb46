// TSpecificDensityDlg: Densities of primer and paint in grams/gallon, pounds/gallon or g/cm³.
#pragma once

#include "lumo_form.h"

class TSpecificDensityDlg : public TLumoForm {
  Q_OBJECT
 public:
  TSpecificDensityDlg(QWidget *owner, lumo::TLumoState *state);
};
