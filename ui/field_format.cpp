#include "field_format.h"

#include "num_edit.h"

namespace lumo::ui {

void SetFieldFormat(TNumEdit *field, int decimals, bool grouping) {
  QString mask = grouping ? QStringLiteral("#,##0") : QStringLiteral("0");
  if (decimals > 0) mask += QLatin1Char('.') + QString(decimals, QLatin1Char('0'));
  field->SetValidate(false);
  field->SetNumericType(TNumericType::ntGeneral);
  field->SetDecimals(static_cast<quint16>(decimals));
  field->Masks().SetPositiveMask(mask);
}

}  // namespace lumo::ui
