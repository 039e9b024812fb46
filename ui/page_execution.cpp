#include "page_execution.h"

#include <QFont>

#include "field_format.h"
#include "ui_page_execution.h"

PageExecution::PageExecution(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::PageExecution>()) {
  ui->setupUi(this);
  lumo::ui::SetFieldFormat(ui->numedRun, 0, false);
  // The reporting interval takes typed minutes, kept when the field is left
  // or Enter is pressed (not at every digit).
  ui->speditReportInterval->setKeyboardTracking(false);
  ui->barPercentComplete->SetPercentColor(QColor(0x80, 0x80, 0x00));
  QFont font(QStringLiteral("Arial"));
  font.setBold(true);
  font.setPixelSize(9);
  ui->barPercentComplete->setFont(font);
}

PageExecution::~PageExecution() = default;
