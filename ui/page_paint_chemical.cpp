#include "page_paint_chemical.h"

#include "field_format.h"
#include "ui_page_paint_chemical.h"

PagePaintChemical::PagePaintChemical(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::PagePaintChemical>()) {
  ui->setupUi(this);
  using lumo::ui::SetFieldFormat;
  SetFieldFormat(ui->numeditMolecularWt, 7, false);
  SetFieldFormat(ui->numeditVaporPressure, 7, false);
  SetFieldFormat(ui->numeditPrimerWeightFraction, 7, false);
  SetFieldFormat(ui->numedPaintWeightFraction, 7, false);
  SetFieldFormat(ui->numeditPrimerSpecDensity, 1);
  SetFieldFormat(ui->numeditPaintSpecDensity, 1);
  ui->lblChemicalNotListed->hide();
}

PagePaintChemical::~PagePaintChemical() = default;
