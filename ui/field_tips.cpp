#include "field_tips.h"

#include <QLabel>
#include <QWidget>

#include "result_tips.h"

namespace lumo::ui {
namespace {

struct Tip {
  const char *control;
  const char *text;
};

// The inputs, with the unit their field shows.
const Tip kInputTips[] = {
    {"numedResidencePercentPainted", "Percent of the building painted (%)"},
    {"numedBldgVolume", "Building volume (ft³)"},
    {"numedAirExchange", "Air exchange rate: air changes with the outdoors per hour (1/hour)"},
    {"edPrimerCoats", "Coats of primer (number of coats)"},
    {"edPaintCoats", "Coats of paint (number of coats)"},
    {"numedPaintedSurfaceArea", "Painted surface area (ft²)"},
    {"numeditPrimerSpecDensity", "Density of the primer (grams/gallon)"},
    {"numeditPaintSpecDensity", "Density of the paint (grams/gallon)"},
    {"cbChemicalNames", "Chemical emitted by the paint"},
    {"numeditMolecularWt", "Molecular weight of the chemical (g/mole)"},
    {"numeditVaporPressure", "Vapor pressure of the chemical (torr)"},
    {"numeditPrimerWeightFraction",
     "Weight fraction of the chemical in the primer (g of chemical per g of primer)"},
    {"numedPaintWeightFraction",
     "Weight fraction of the chemical in the paint (g of chemical per g of paint)"},
    {"edPrimerEmissionsValue", "Emission model of the primer"},
    {"edPaintEmissionsValue", "Emission model of the paint"},
    {"edIndoorSinksValue", "Indoor sink model"},
    {"rgIndividual", "Exposed individual"},
    {"rggender", "Gender of the exposed individual"},
    {"rgLocation", "Location of the exposed individual during painting"},
    {"numedExposure", "Exposure events in a lifetime (events)"},
    {"numedLifetime", "Lifetime of the exposed individual (years)"},
    {"numedBodyWt", "Body weight of the exposed individual (kg)"},
    {"edTitle", "Title of the scenario (printed on the report)"},
    {"edProjNotes", "Notes on the project (printed on the report)"},
    {"numedRun", "Run length: days simulated from the start of painting (days, 1 to 999)"},
    {"speditReportInterval",
     "Reporting interval: minutes between rows of the concentration file (minutes, 1 to 60)"},
};

using report::ResultNameOfCaption;
using report::ResultTip;

// The result fields.
const Tip kResultFieldNames[] = {
    {"edLADD", "LADD"},   {"edADD", "ADD"},           {"edLADC", "LADC"},
    {"edADC", "ADC"},     {"edCPeak", "Cpeak"},       {"edSingleDose", "SingleEventDose"},
    {"edADPR", "APDR"},   {"edADPRTime", "APDRtime"}, {"edC15min", "C15min"},
    {"edC8hr", "C8hour"},
};

}  // namespace

void SetFieldTips(QWidget *window) {
  for (const Tip &tip : kInputTips) {
    if (auto *w = window->findChild<QWidget *>(QLatin1String(tip.control)))
      w->setToolTip(QString::fromUtf8(tip.text));
  }
  for (const Tip &field : kResultFieldNames) {
    const QString name = QLatin1String(field.text);
    if (auto *w = window->findChild<QWidget *>(QLatin1String(field.control)))
      w->setToolTip(ResultTip(name));
    const QString ppmField = QLatin1String(field.control) + QStringLiteral("PPM");
    if (auto *w = window->findChild<QWidget *>(ppmField)) w->setToolTip(ResultTip(name, true));
  }
  // The captions in front of the result fields.
  const QWidget *results = window->findChild<QWidget *>(QStringLiteral("gbResults"));
  for (auto *label : results ? results->findChildren<QLabel *>() : QList<QLabel *>()) {
    const QString name = ResultNameOfCaption(label->text());
    if (!name.isEmpty()) label->setToolTip(ResultTip(name));
  }
}

}  // namespace lumo::ui
