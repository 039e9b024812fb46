#include "report_content.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include "lumo_state.h"
#include "report_format.h"
#include "report_notes.h"
#include "results_provenance.h"

namespace lumo::report {
namespace {

QString Str(const std::string &s) {
  return QString::fromStdString(s);
}

// Lines of the no-results statement: short enough for the printed page.
constexpr int kNoResultsLineChars = 95;

// Breaks a sentence into lines of at most `width` characters at blanks.
QStringList WrapText(const QString &text, int width) {
  QStringList lines;
  QString line;
  for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
      lines.append(line);
      line.clear();
    }
    line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
  }
  if (!line.isEmpty()) lines.append(line);
  return lines;
}

// Builds the screen texts; the printed pages are laid out from them and the
// state by PrintPage1Items and PrintPage2Items.
class ContentBuilder {
  Q_DECLARE_TR_FUNCTIONS(ContentBuilder)

 public:
  ContentBuilder(const TLumoState &state, const ReportContext &context)
      : state_(state), r_(state.ScenarioRecord), context_(context) {}

  ReportContent Build() {
    content_.decimalMark = context_.decimalMark;
    BuildPage1Labels();
    BuildPaintGrid();
    BuildSinks();
    BuildPage2Labels();
    BuildPatternGrid(QStringLiteral("gridWeekDay"), r_.WeekDayPattern);
    BuildPatternGrid(QStringLiteral("gridWeekEnd"), r_.WeekEndPattern);
    BuildResults();
    content_.notes = ReportNotes(state_, context_.csvFileName);
    content_.page1 = PrintPage1Items(state_, content_);
    content_.page2 = PrintPage2Items(state_, content_);
    return content_;
  }

 private:
  QString F(double v, int w, int d) const { return Fixed(v, w, d, context_.decimalMark); }
  QString E(double v) const { return Sci3(v, context_.decimalMark); }
  void Set(const char *name, const QString &text) {
    content_.labels.insert(QLatin1String(name), text);
  }

  void BuildPage1Labels() {
    Set("Label1", tr("LUMO MODEL INPUTS"));
    Set("lblDate", context_.date);
    Set("lblFileName", tr("File with Concentration Details: ") + context_.csvFileName);
    Set("lblTitle", tr("Title of Run: ") + Str(r_.Title.Text()));
    Set("lblNotes", tr("Notes: ") + Str(r_.Notes.Text()));
    Set("lblLengthRun", tr("Length of Model Run: ") + F(r_.RunLength, 3, 0) + tr(" Days"));
    Set("lblReportingInterval",
        tr("Reporting Interval: ") + QString::number(r_.ReportInterval) + tr(" minutes"));
    Set("lblTypeofBuilding", tr("Type of Building: ") + Str(state_.BldgTypetoString()));
    Set("lblAirExchangeRate",
        tr("Air Exchange Rate: ") + F(r_.AirExchangeRate, 4, 2) + tr(" air changes per hour"));
    Set("lblVolume", tr("Volume: ") + F(r_.BldgVolume, 10, 0) + tr(" ft³"));
    Set("lblInterzonalAirflow",
        tr("Interzonal Airflow Rate: ") + F(r_.InterzonalAirflow, 12, 2) + tr(" ft³/hour"));
    Set("lblPercentPainted", tr("Percent Painted: ") + F(r_.PercentPainted, 3, 1) + tr(" %"));
    Set("lblLoadingRatio", tr("Loading Ratio: ") + F(r_.LoadingRatio, 4, 2) + tr(" ft²/ft³"));
    Set("lblPaintedSurfaceArea",
        tr("Painted Surface Area: ") + F(state_.GetCalculatedSurfaceArea(), 7, 2) + tr(" ft²"));
  }

  void BuildPaintGrid() {
    const QString primer = tr("Primer: ");
    const QString paint = tr("Paint: ");
    const QString tenBlanks(10, QLatin1Char(' '));
    auto pair = [&](double a, double b, int w, int d) {
      return QStringList{primer + F(a, w, d), paint + F(b, w, d)};
    };
    auto row = [](const QString &label, const QStringList &values) {
      QStringList cells{label};
      cells += values;
      while (cells.size() < 3) cells.append(QString());
      return cells;
    };
    GridText g;
    g.columns = 3;
    g.rows = {
        row(tr("  Coverage:(ft²/gal)"), pair(r_.PrimerCoverage, r_.PaintCoverage, 6, 0)),
        row(tr("  Gallons of Paint:"),
            pair(state_.GetPrimeVolume(), state_.GetPaintVolume(), 6, 2)),
        row(tr("  Painting Hours:"), pair(state_.GetPrimerHours(), state_.GetPaintHours(), 6, 2)),
        row(tr("  Work Hours:"), pair(r_.PrimerWorkHours, r_.PaintWorkHours, 6, 1)),
        row(tr("  Painting Days:"), pair(state_.GetPrimerDays(), state_.GetPaintDays(), 3, 0)),
        row(tr("  Start Day: "), {Str(state_.DaytoString())}),
        row(tenBlanks, {}),
        row(tr("  Type of Paint:"), {Str(state_.PaintTypetoString())}),
        row(tr("  Density (grams/gal):"), pair(r_.PrimerDensity, r_.PaintDensity, 5, 2)),
        row(tenBlanks, {}),
        row(tr("  Chemical Name:"), {Str(r_.ChemicalName.Text())}),
        row(tr("  Molecular Weight: "),
            {F(r_.MolecularWeight, 10, 2) + tr(" g/mole"),
             tr("Vapor Pressure: ") + F(r_.VaporPressure, 10, 7) + tr(" torr")}),
        row(tr("  Weight Fraction:"), pair(r_.PrimerWeightFraction, r_.PaintWeightFraction, 10, 6)),
        row(QStringLiteral("  "), {}),
        row(tr("  Emissions Model:  "), {primer + Str(state_.PrimerEmissionsModelTypetoString()),
                                         paint + Str(state_.PaintEmissionsModelTypetoString())}),
        row(tr("  Chemical Mass (grams):"),
            pair(r_.PrimerChemicalMass, r_.PaintChemicalMass, 10, 2)),
        row(tr("  %Mass 1st Exponential:"),
            pair(r_.PrimerPercentFirstExp, r_.PaintPercentFirstExp, 10, 2)),
        row(tr("  Rate Constant 1st Exp:"),
            pair(r_.PrimerRateConstant1, r_.PaintRateConstant1, 10, 5)),
        row(tr("  Rate Constant 2nd Exp:"),
            pair(r_.PrimerRateConstant2, r_.PaintRateConstant2, 10, 5)),
    };
    content_.grids.insert(QStringLiteral("gridPaintandChemical"), g);
  }

  void BuildSinks() {
    Set("lblIndoorSinks", tr("Indoor Sinks Model: ") + Str(state_.SinkModeltoString()));
    GridText g;
    const SinkModelType model = r_.Sinks.SinkModel;
    if (model == SinkModelType::OneWay || model == SinkModelType::Reversible) {
      const bool reversible = model == SinkModelType::Reversible;
      g.columns = reversible ? 4 : 3;
      const QStringList names{tr("Zone 1 Carpet:"),     tr("Zone 1 Wallboard:"),
                              tr("Zone 1 Other: "),     tr("Zone 2 Carpet: "),
                              tr("Zone 2 Wallboard: "), tr("Zone 2 Other: ")};
      for (int i = 0; i < SinkBlock::kSinks; ++i) {
        QStringList cells{names[i], tr("Area: ") + F(r_.Sinks.SinkArea[i], 10, 5),
                          tr("Adsorption Rate: ") + F(r_.Sinks.AdsorptionRate[i], 10, 5)};
        if (reversible) cells << tr("Desorption Rate: ") + F(r_.Sinks.DesorptionRate[i], 10, 5);
        g.rows.append(cells);
      }
    }
    content_.grids.insert(QStringLiteral("gridSink"), g);
  }

  void BuildPage2Labels() {
    Set("Label2", tr("LUMO MODEL INPUTS (cont'd)"));
    Set("lblDatePage2", context_.date);
    Set("lblExposedIndividual", tr("Exposed Individual: ") + Str(state_.IndividualTypetoString()));
    Set("lblGender", tr("Gender: ") + Str(state_.GenderToString()));
    Set("lblLocationDuringPainting",
        tr("Location During Painting: ") + Str(state_.IndividualLocationTypetoString()));
    Set("Label12", tr("Weekday Pattern"));
    Set("Label13", tr("Weekend Pattern"));
    // The breathing rate while painting goes on is that of the first row of
    // the painting schedule; a schedule without rows, or a cell that is not
    // a number, has none to show.
    const auto &schedule = state_.PaintDurationGrid();
    std::optional<double> rate;
    if (schedule.Rows() > 0) rate = schedule.CellNumber(PaintDurationGrid::kBreathingRate, 0);
    Set("lblBreathingRate", tr("Breathing Rate During Painting: ") +
                                (rate ? F(*rate, 4, 1) + tr(" m³/day") : tr("not available")));
    Set("lblLifetimeExposure", tr("Lifetime Exposure Events: ") + F(r_.EventsinLifeTime, 4, 0));
    Set("lblYearsInLifetime", tr("Years in Lifetime: ") + F(r_.LifeTime, 3, 0));
    Set("lblAvgBodyWt", tr("Avg. Body Weight: ") + F(r_.BodyWeight, 4, 1) + tr(" kg"));
    Set("Label11", tr("LUMO MODEL RESULTS"));
    const QStringList glossary = GlossaryLines();
    for (int i = 0; i < glossary.size(); ++i) {
      content_.labels.insert(QStringLiteral("Label%1").arg(3 + i), glossary[i]);
    }
  }

  void BuildPatternGrid(const QString &name, const ActivityPattern &p) {
    GridText g;
    g.columns = 5;
    const int shown = std::min(p.Entries(), kScreenPatternLines);
    for (int n = 1; n <= kScreenPatternLines; ++n) {
      if (n > shown) {
        g.rows.append(QStringList(5, QString()));
        continue;
      }
      const int i = n - 1;
      g.rows.append({tr("Line: ") + QString::number(n), tr("Zone: ") + F(p.Zone[i], 1, 0),
                     tr("Enter Hr: ") + F(p.EnterHour[i], 3, 0),
                     tr("Enter Min: ") + F(p.EnterMinute[i], 3, 0),
                     tr("Breathing Rate: ") + F(p.BreathingRate[i], 7, 1) + tr(" m³/day")});
    }
    content_.grids.insert(name, g);
  }

  void BuildResults() {
    const ResultsState state = ClassifyResults(r_, state_.PaintDurationGrid());
    if (state != ResultsState::Current) {
      // Results are shown only beside the inputs that produced them.
      content_.hasResults = false;
      GridText g;
      g.columns = 4;
      QStringList lines = WrapText(Str(ResultsStateText(state)), kNoResultsLineChars);
      if (state != ResultsState::None)
        lines += WrapText(tr("The concentration file holds the series of the last run made, "
                             "which may belong to other inputs."),
                          kNoResultsLineChars);
      for (const QString &line : lines) g.rows.append({line, QString(), QString(), QString()});
      while (g.rows.size() < 6) g.rows.append(QStringList(4, QString()));
      content_.grids.insert(QStringLiteral("gridLUMOResults"), g);
      return;
    }
    const QString dose = tr(" mg/kg-days");
    const QString conc = tr(" mg/m³");
    const QString ppm = tr(" ppm");
    const QString orText = tr("-or-");
    const double mw = r_.MolecularWeight;
    auto row = [&](const QString &left, const QString &concName, double c) {
      return QStringList{left, concName + E(c) + conc, orText, E(PpmOf(c, mw)) + ppm};
    };
    GridText g;
    g.columns = 4;
    g.rows = {
        row(tr("LADD: ") + E(r_.LADD) + dose, tr("LADC: "), r_.LADC),
        row(tr("ADD: ") + E(r_.ADD) + dose, tr("ADC: "), r_.ADC),
        row(tr("APDR: ") + E(r_.APDR) + dose, tr("Cpeak: "), r_.Cpeak),
        row(tr("APDR Time: ") + E(r_.APDRtime) + tr(" days"), tr("C15-min: "), r_.C15min),
        row(tr("Single Event Dose: ") + E(r_.SingleEventDose) + tr(" mg"), tr("C8-hour: "),
            r_.C8hour),
        QStringList(4, QString()),
    };
    content_.grids.insert(QStringLiteral("gridLUMOResults"), g);
  }

  const TLumoState &state_;
  const ScenarioRecord &r_;
  const ReportContext &context_;
  ReportContent content_;
};

class GlossaryText {
  Q_DECLARE_TR_FUNCTIONS(GlossaryText)
 public:
  static QStringList Lines() {
    return {
        tr("LADD = Lifetime average daily dose"),
        tr("ADD = Average daily dose"),
        tr("APDR = Acute Potential Dose Rate (highest 24-hour dose rate for exposed individual)"),
        tr("LADC = Lifetime average daily concentration"),
        tr("ADC = Average daily concentration"),
        tr("Cpeak = highest instantaneous concentration to which individual is exposed"),
        tr("C15-min = highest 15-minute average concentration to which an individual is "
           "exposed"),
        tr("C8-hour = highest 8-hour average concentration to which individual is exposed"),
    };
  }
};

}  // namespace

QString GridText::Cell(int column, int row) const {
  if (row < 0 || row >= rows.size()) return QString();
  const QStringList &cells = rows[row];
  return column >= 0 && column < cells.size() ? cells[column] : QString();
}

QStringList GlossaryLines() {
  return GlossaryText::Lines();
}

QStringList WrapReportText(const QString &text, int width) {
  return WrapText(text, width);
}

ReportContent BuildReportContent(const TLumoState &state, const ReportContext &context) {
  return ContentBuilder(state, context).Build();
}

ReportContext ReportContextNow(const QString &csvFileName) {
  const QLocale locale;
  ReportContext context;
  context.date = locale.toString(QDate::currentDate(), QLocale::ShortFormat);
  context.csvFileName = csvFileName;
  context.decimalMark = locale.decimalPoint();
  return context;
}

}  // namespace lumo::report
