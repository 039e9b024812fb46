#include "page_execution.h"

#include <QFont>
#include <QLineEdit>

#include "field_format.h"
#include "ui_page_execution.h"

PageExecution::PageExecution(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::PageExecution>()) {
  ui->setupUi(this);
  lumo::ui::SetFieldFormat(ui->numedRun, 0, false);
  // The reporting interval moves by its step buttons only.
  if (auto *edit = ui->speditReportInterval->findChild<QLineEdit *>()) edit->setReadOnly(true);
  ui->barPercentComplete->SetPercentColor(QColor(0x80, 0x80, 0x00));
  QFont font(QStringLiteral("Arial"));
  font.setBold(true);
  font.setPixelSize(9);
  ui->barPercentComplete->setFont(font);
}

PageExecution::~PageExecution() = default;
