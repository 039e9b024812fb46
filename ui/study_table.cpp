#include "study_table.h"

#include <QHeaderView>
#include <QMetaObject>
#include <QPointer>
#include <QTableWidget>

void FillStudyTable(QTableWidget *widget, const lumo::comparison::Table &table, bool numbersRight) {
  widget->clear();
  widget->setColumnCount(static_cast<int>(table.header.size()));
  widget->setRowCount(static_cast<int>(table.rows.size()));
  QStringList header;
  for (const std::string &h : table.header) header << QString::fromStdString(h);
  widget->setHorizontalHeaderLabels(header);
  for (int r = 0; r < widget->rowCount(); ++r) {
    const auto &row = table.rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < static_cast<int>(row.size()) && c < widget->columnCount(); ++c) {
      const auto &cell = row[static_cast<std::size_t>(c)];
      auto *item = new QTableWidgetItem(QString::fromStdString(cell.text));
      item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
      if (cell.number && numbersRight) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      item->setToolTip(QString::fromStdString(cell.text));
      widget->setItem(r, c, item);
    }
  }
  // Compact rows; long texts (schedules, activity patterns) are cut at a
  // readable width and shown whole in their tooltips.
  widget->verticalHeader()->setDefaultSectionSize(widget->fontMetrics().height() + 8);
  widget->resizeColumnsToContents();
  for (int c = 0; c < widget->columnCount(); ++c)
    widget->setColumnWidth(c, std::min(widget->columnWidth(c), 260));
}

std::thread RunInBackground(QObject *owner, std::function<void()> work,
                            std::function<void()> done) {
  QPointer<QObject> guard(owner);
  return std::thread([guard, work = std::move(work), done = std::move(done)] {
    work();
    if (guard)
      QMetaObject::invokeMethod(
          guard.data(), [done] { done(); }, Qt::QueuedConnection);
  });
}
