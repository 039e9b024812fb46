// The Painting Scenario page: building, share painted, volume, air exchange, painted surfaces and
// coats, and the buttons to their dialogs. A view only: the main window reads and fills its
// controls (ui) and applies the scenario rules.
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class PagePaintingScenario;
}

class PagePaintingScenario : public QWidget {
  Q_OBJECT

 public:
  explicit PagePaintingScenario(QWidget *parent = nullptr);
  ~PagePaintingScenario() override;

  std::unique_ptr<Ui::PagePaintingScenario> ui;
};
