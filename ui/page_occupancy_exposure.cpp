#include "page_occupancy_exposure.h"

#include "field_format.h"
#include "ui_page_occupancy_exposure.h"

PageOccupancyExposure::PageOccupancyExposure(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::PageOccupancyExposure>()) {
  ui->setupUi(this);
  using lumo::ui::SetFieldFormat;
  SetFieldFormat(ui->numedExposure, 0);
  SetFieldFormat(ui->numedLifetime, 1);
  SetFieldFormat(ui->numedBodyWt, 1);
}

PageOccupancyExposure::~PageOccupancyExposure() = default;
