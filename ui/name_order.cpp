#include "name_order.h"

#include <QCollator>
#include <algorithm>

namespace lumo::ui {

QStringList SortedNames(QStringList names) {
  QCollator collator;  // the user's locale
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  collator.setNumericMode(true);
  std::stable_sort(names.begin(), names.end(), [&](const QString &a, const QString &b) {
    const int order = collator.compare(a, b);
    return order != 0 ? order < 0 : a < b;
  });
  return names;
}

}  // namespace lumo::ui
