// The Paint & Chemical page: paint type, chemical and its properties, weight fractions, emission
// models, sinks and densities. A view only: the main window reads and fills its controls (ui) and
// applies the scenario rules.
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class PagePaintChemical;
}

class PagePaintChemical : public QWidget {
  Q_OBJECT

 public:
  explicit PagePaintChemical(QWidget *parent = nullptr);
  ~PagePaintChemical() override;

  std::unique_ptr<Ui::PagePaintChemical> ui;
};
