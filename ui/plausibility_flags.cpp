#include "plausibility_flags.h"

#include <QAction>
#include <QLineEdit>
#include <QStyle>

#include "typical_ranges.h"

namespace lumo::ui {
namespace {

const char *FieldOf(TypicalInput input) {
  switch (input) {
    case TypicalInput::BuildingVolume:
      return "numedBldgVolume";
    case TypicalInput::AirExchangeRate:
      return "numedAirExchange";
    case TypicalInput::PrimerWeightFraction:
      return "numeditPrimerWeightFraction";
    case TypicalInput::PaintWeightFraction:
      return "numedPaintWeightFraction";
    case TypicalInput::LifeTime:
      return "numedLifetime";
    case TypicalInput::BodyWeight:
      return "numedBodyWt";
  }
  return "";
}

constexpr TypicalInput kInputs[] = {
    TypicalInput::BuildingVolume,
    TypicalInput::AirExchangeRate,
    TypicalInput::PrimerWeightFraction,
    TypicalInput::PaintWeightFraction,
    TypicalInput::LifeTime,
    TypicalInput::BodyWeight,
};

}  // namespace

void ShowPlausibilityFlags(QWidget *window, const ScenarioRecord &scenario) {
  const auto notes = PlausibilityNotes(scenario);
  for (TypicalInput input : kInputs) {
    auto *field = window->findChild<QLineEdit *>(QLatin1String(FieldOf(input)));
    if (!field) continue;
    auto *flag = field->findChild<QAction *>(QStringLiteral("plausibilityFlag"));
    std::string text;
    for (const auto &note : notes)
      if (note.input == input) text = note.text;
    if (text.empty()) {
      if (flag) flag->setVisible(false);
      continue;
    }
    if (!flag) {
      flag = field->addAction(field->style()->standardIcon(QStyle::SP_MessageBoxWarning),
                              QLineEdit::TrailingPosition);
      flag->setObjectName(QStringLiteral("plausibilityFlag"));
    }
    flag->setToolTip(QString::fromStdString(text));
    flag->setVisible(true);
  }
}

}  // namespace lumo::ui
