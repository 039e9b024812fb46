#include "page_painting_scenario.h"

#include <QEvent>
#include <QMouseEvent>

#include "field_format.h"
#include "ui_page_painting_scenario.h"

namespace {

// Clicking the caption of an area choice clicks its radio button.
class LabelClicks : public QObject {
 public:
  LabelClicks(QObject *parent, QLabel *label, QAbstractButton *button)
      : QObject(parent), button_(button) {
    label->installEventFilter(this);
    label->setCursor(Qt::PointingHandCursor);
  }

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && button_->isEnabled()) {
      button_->click();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QAbstractButton *button_;
};

}  // namespace

PagePaintingScenario::PagePaintingScenario(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::PagePaintingScenario>()) {
  ui->setupUi(this);
  using lumo::ui::SetFieldFormat;
  SetFieldFormat(ui->numedResidencePercentPainted, 2);
  SetFieldFormat(ui->numedBldgVolume, 0);
  SetFieldFormat(ui->numedAirExchange, 3);
  SetFieldFormat(ui->edPrimerCoats, 0);
  SetFieldFormat(ui->edPaintCoats, 0);
  SetFieldFormat(ui->numedPaintedSurfaceArea, 1);
  new LabelClicks(this, ui->lblEntireBuilding, ui->rbScenarioEntireBuilding);
  new LabelClicks(this, ui->lblPartofBuilding, ui->rbScenarioOneBedroom);
}

PagePaintingScenario::~PagePaintingScenario() = default;
