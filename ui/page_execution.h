// The Execution page: title, notes and run settings, Execute and the report, and the results of the
// last run. A view only: the main window reads and fills its controls (ui) and applies the scenario
// rules.
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class PageExecution;
}

class PageExecution : public QWidget {
  Q_OBJECT

 public:
  explicit PageExecution(QWidget *parent = nullptr);
  ~PageExecution() override;

  std::unique_ptr<Ui::PageExecution> ui;
};
