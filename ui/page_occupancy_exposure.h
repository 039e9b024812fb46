// The Occupancy & Exposure page: the exposed individual, activity patterns, exposure factors,
// gender and location. A view only: the main window reads and fills its controls (ui) and applies
// the scenario rules.
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class PageOccupancyExposure;
}

class PageOccupancyExposure : public QWidget {
  Q_OBJECT

 public:
  explicit PageOccupancyExposure(QWidget *parent = nullptr);
  ~PageOccupancyExposure() override;

  std::unique_ptr<Ui::PageOccupancyExposure> ui;
};
