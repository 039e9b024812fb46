#include "dialog_fields.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>

#include "num_edit.h"

TNumEdit *MakeNumEdit(QWidget *parent, const QString &name, int decimals) {
  auto *edit = new TNumEdit(parent);
  edit->setObjectName(name);
  edit->SetNumericType(TNumericType::ntGeneral);
  edit->SetDecimals(static_cast<quint16>(decimals));
  edit->Masks().SetPositiveMask(decimals > 0 ? QStringLiteral("#,##0.") + QString(decimals, u'0')
                                             : QStringLiteral("#,##0"));
  edit->setMinimumWidth(95);
  return edit;
}

QLabel *MakeValueLabel(QWidget *parent, const QString &name, const QString &text) {
  auto *label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

void AddFieldRow(QGridLayout *grid, int row, const QString &caption, QWidget *field,
                 const QString &unit, QWidget *second, const QString &secondUnit,
                 const QString &between) {
  grid->setColumnStretch(6, 1);  // fields keep their natural width
  if (!caption.isEmpty()) {
    auto *label = new QLabel(caption);
    label->setBuddy(field);
    grid->addWidget(label, row, 0, Qt::AlignRight | Qt::AlignVCenter);
  }
  grid->addWidget(field, row, 1);
  if (!unit.isEmpty()) grid->addWidget(new QLabel(unit), row, 2);
  if (!second) return;
  grid->addWidget(
      new QLabel(between.isEmpty() ? QCoreApplication::translate("TParamDialog", "- or -")
                                   : between),
      row, 3, Qt::AlignCenter);
  grid->addWidget(second, row, 4);
  if (!secondUnit.isEmpty()) grid->addWidget(new QLabel(secondUnit), row, 5);
}

void FitGrid(QTableWidget *grid, int rows) {
  int width = 2 * grid->frameWidth();
  for (int c = 0; c < grid->columnCount(); ++c) {
    if (!grid->isColumnHidden(c)) width += grid->columnWidth(c);
  }
  if (grid->verticalHeader()->isVisible()) width += grid->verticalHeader()->width();
  int height = 2 * grid->frameWidth();
  const int shown = std::min(rows, grid->rowCount());
  for (int r = 0; r < shown; ++r) height += grid->rowHeight(r);
  if (grid->horizontalHeader()->isVisible()) height += grid->horizontalHeader()->height();
  if (shown < grid->rowCount()) width += grid->verticalScrollBar()->sizeHint().width();
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setFixedSize(width, height);
}

bool LeftAsShown(const TNumEdit *field, double shown) {
  return field->Value() == shown;
}
