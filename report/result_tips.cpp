#include "result_tips.h"

#include <QTableWidget>

#include "result_text.h"

namespace lumo::report {

QString ResultTip(const QString &resultName, bool ppm) {
  for (const auto &f : kResultFields) {
    if (resultName != QLatin1String(f.name)) continue;
    return QStringLiteral("%1: %2 (%3)")
        .arg(QLatin1String(f.name), QString::fromUtf8(f.label),
             ppm ? QStringLiteral("ppm") : QString::fromUtf8(f.unit));
  }
  return QString();
}

QString ResultNameOfCaption(const QString &caption) {
  // Captions compared without blanks, dashes and case: "C 8-hr", "C8-hour".
  QString key = caption.toLower();
  key.remove(QLatin1Char(' ')).remove(QLatin1Char('-'));
  static const struct {
    const char *key, *name;
  } kCaptions[] = {
      {"ladd", "LADD"},   {"add", "ADD"},           {"ladc", "LADC"},
      {"adc", "ADC"},     {"cpeak", "Cpeak"},       {"singleeventdose", "SingleEventDose"},
      {"apdr", "APDR"},   {"apdrtime", "APDRtime"}, {"c15min", "C15min"},
      {"c8hr", "C8hour"}, {"c8hour", "C8hour"}};
  for (const auto &c : kCaptions)
    if (key == QLatin1String(c.key)) return QLatin1String(c.name);
  return QString();
}

void SetResultGridTips(QTableWidget *grid) {
  for (int row = 0; row < grid->rowCount(); ++row) {
    QString concentration;  // the row's concentration, for its ppm cell
    for (int column = 0; column < grid->columnCount(); ++column) {
      QTableWidgetItem *item = grid->item(row, column);
      if (!item) continue;
      const QString text = item->text();
      const QString name = ResultNameOfCaption(text.section(QLatin1Char(':'), 0, 0));
      if (!name.isEmpty() && text.contains(QLatin1Char(':'))) {
        item->setToolTip(ResultTip(name));
        if (column > 0) concentration = name;
      } else if (text.endsWith(QLatin1String(" ppm")) && !concentration.isEmpty()) {
        item->setToolTip(ResultTip(concentration, true));
      }
    }
  }
}

}  // namespace lumo::report
