#include "report_print_layout.h"

#include <QCoreApplication>

#include "lumo_state.h"
#include "report_content.h"
#include "report_format.h"

namespace lumo::report {
namespace {

// The screen grid of paint and chemical has one row per printed line from
// line 12 on; its labels carry two leading blanks that paper does not.
constexpr int kPaintGridFirstLine = 12;
constexpr int kMolecularWeightRow = 11;
constexpr int kSinkFirstLine = 33;
// Characters of a note's printed line.
constexpr int kNoteLineChars = 110;

class Page {
  Q_DECLARE_TR_FUNCTIONS(PrintLayout)

 public:
  explicit Page(const ReportContent &content) : content_(content) {}

  void Add(int line, XPos x, PrintStyle style, const QString &text) {
    items_.append(PrintItem{line, x, style, text});
  }
  void Body(int line, XPos x, const QString &text) { Add(line, x, PrintStyle::Body, text); }
  void Label(int line, XPos x, const char *name) {
    Body(line, x, content_.Label(QLatin1String(name)));
  }
  QString F(double v, int w, int d) const { return Fixed(v, w, d, content_.decimalMark); }
  QList<PrintItem> Items() const { return items_; }

  void PaintAndChemical(const ScenarioRecord &r) {
    const GridText grid = content_.Grid(QStringLiteral("gridPaintandChemical"));
    for (int row = 0; row < grid.RowCount(); ++row) {
      const QString label = grid.Cell(0, row).mid(2);
      if (label.trimmed().isEmpty()) continue;
      const int line = kPaintGridFirstLine + row;
      Body(line, XPos::Margin(), label);
      if (row == kMolecularWeightRow) {
        // Paper shows one decimal of the molecular weight and two of the
        // vapour pressure, against two and seven on screen.
        Body(line, XPos::Fraction(70), F(r.MolecularWeight, 10, 1) + tr(" g/mole"));
        Body(line, XPos::Fraction(120),
             tr("Vapor Pressure: ") + F(r.VaporPressure, 10, 2) + tr(" torr"));
        continue;
      }
      if (!grid.Cell(1, row).isEmpty()) Body(line, XPos::Fraction(70), grid.Cell(1, row));
      if (!grid.Cell(2, row).isEmpty()) Body(line, XPos::Fraction(120), grid.Cell(2, row));
    }
  }

  void Sinks(const SinkBlock &sinks) {
    if (sinks.SinkModel != SinkModelType::OneWay && sinks.SinkModel != SinkModelType::Reversible)
      return;
    // Paper prints the desorption column for a one-way sink too.
    const QStringList names{tr("Zone 1 Carpet:"), tr("Zone 1 Wallboard:"), tr("Zone 1 Other:"),
                            tr("Zone 2 Carpet:"), tr("Zone 2 Wallboard:"), tr("Zone 2 Other:")};
    for (int i = 0; i < SinkBlock::kSinks; ++i) {
      const int line = kSinkFirstLine + i;
      Body(line, XPos::Margin(), names[i]);
      Body(line, XPos::Fraction(40), tr("Area: ") + F(sinks.SinkArea[i], 10, 5));
      Body(line, XPos::Fraction(80), tr("Adsorption Rate: ") + F(sinks.AdsorptionRate[i], 10, 5));
      Body(line, XPos::Fraction(130), tr("Desorption Rate: ") + F(sinks.DesorptionRate[i], 10, 5));
    }
  }

  // A pattern's title on `line`, its column heads below, then every line.
  // Returns the number of pattern lines printed.
  int Pattern(int line, const char *titleLabel, const ActivityPattern &p) {
    Add(line, XPos::Fraction(100), PrintStyle::PatternTitle,
        content_.Label(QLatin1String(titleLabel)));
    const QStringList heads{tr("Zone"), tr("Enter Hr"), tr("Enter Min"),
                            tr("Breathing Rate (m³/day)")};
    for (int c = 1; c <= 4; ++c) Body(line + 1, XPos::PatternColumn(c), heads[c - 1]);
    const int n = p.Entries();
    for (int i = 0; i < n; ++i) {
      const int l = line + 2 + i;
      Body(l, XPos::Margin(), tr("Line ") + QString::number(i + 1));
      Body(l, XPos::PatternColumn(1), F(p.Zone[i], 3, 0));
      Body(l, XPos::PatternColumn(2), F(p.EnterHour[i], 3, 0));
      Body(l, XPos::PatternColumn(3), F(p.EnterMinute[i], 3, 0));
      Body(l, XPos::PatternColumn(4), F(p.BreathingRate[i], 7, 1));
    }
    return n;
  }

  void Results(int first) {
    const GridText grid = content_.Grid(QStringLiteral("gridLUMOResults"));
    if (!content_.hasResults) {
      // The statement that there are no results for these inputs.
      for (int i = 0; i < 5; ++i) Body(first + i, XPos::Margin(), grid.Cell(0, i));
    }
    for (int i = 0; i < 5 && content_.hasResults; ++i) {
      Body(first + i, XPos::Margin(), grid.Cell(0, i));
      Body(first + i, XPos::Fraction(80), grid.Cell(1, i));
      Body(first + i, XPos::Fraction(150), i == 1 ? tr("-or") : tr("-or-"));
      Body(first + i, XPos::Fraction(160), grid.Cell(3, i));
    }
    const QStringList glossary = GlossaryLines();
    for (int i = 0; i < glossary.size(); ++i) Body(first + 6 + i, XPos::Margin(), glossary[i]);
    Notes(first + 7 + static_cast<int>(glossary.size()));
  }

  // The notes under a heading, each wrapped to the page's width.
  void Notes(int first) {
    if (content_.notes.isEmpty()) return;
    Add(first, XPos::Margin(), PrintStyle::PatternTitle, tr("Notes"));
    int line = first + 1;
    for (const QString &note : content_.notes)
      for (const QString &text : WrapReportText(note, kNoteLineChars))
        Body(line++, XPos::Margin(), text);
  }

 private:
  const ReportContent &content_;
  QList<PrintItem> items_;
};

class Titles {
  Q_DECLARE_TR_FUNCTIONS(PrintLayout)
 public:
  static QString Page1() { return tr("LUMO MODEL INPUTS"); }
  static QString Page2() { return tr("LUMO MODEL INPUTS (continued)"); }
  static QString Results() { return tr("LUMO MODEL RESULTS"); }
};

}  // namespace

int XPos::At(int pageWidth) const {
  return static_cast<int>((static_cast<long long>(a) * pageWidth + b) / d);
}

QList<PrintItem> PrintPage1Items(const TLumoState &state, const ReportContent &content) {
  const ScenarioRecord &r = state.ScenarioRecord;
  Page page(content);
  page.Add(1, XPos::Fraction(80), PrintStyle::Heading, Titles::Page1());
  page.Add(1, XPos::Fraction(190), PrintStyle::Heading, content.Label(QStringLiteral("lblDate")));
  page.Label(3, XPos::Margin(), "lblFileName");
  page.Label(4, XPos::Margin(), "lblTitle");
  page.Label(5, XPos::Margin(), "lblNotes");
  page.Label(6, XPos::Margin(), "lblLengthRun");
  page.Label(6, XPos::Fraction(100), "lblReportingInterval");
  page.Label(7, XPos::Margin(), "lblTypeofBuilding");
  page.Label(7, XPos::Fraction(100), "lblAirExchangeRate");
  page.Label(8, XPos::Margin(), "lblVolume");
  page.Label(8, XPos::Fraction(100), "lblInterzonalAirflow");
  page.Label(9, XPos::Margin(), "lblPercentPainted");
  page.Label(9, XPos::Fraction(100), "lblLoadingRatio");
  page.Label(10, XPos::Margin(), "lblPaintedSurfaceArea");
  page.PaintAndChemical(r);
  page.Label(32, XPos::Margin(), "lblIndoorSinks");
  page.Sinks(r.Sinks);
  return page.Items();
}

QList<PrintItem> PrintPage2Items(const TLumoState &state, const ReportContent &content) {
  const ScenarioRecord &r = state.ScenarioRecord;
  Page page(content);
  page.Add(1, XPos::Fraction(80), PrintStyle::Heading, Titles::Page2());
  page.Add(1, XPos::Fraction(190), PrintStyle::Heading,
           content.Label(QStringLiteral("lblDatePage2")));
  page.Label(3, XPos::Margin(), "lblExposedIndividual");
  page.Label(3, XPos::Fraction(160), "lblGender");
  page.Label(4, XPos::Margin(), "lblLocationDuringPainting");
  const int nd = page.Pattern(5, "Label12", r.WeekDayPattern);
  const int ne = page.Pattern(nd + 7, "Label13", r.WeekEndPattern);
  page.Label(nd + ne + 9, XPos::Margin(), "lblBreathingRate");
  page.Label(nd + ne + 9, XPos::Fraction(160), "lblLifetimeExposure");
  page.Label(nd + ne + 10, XPos::Margin(), "lblYearsInLifetime");
  page.Label(nd + ne + 10, XPos::Fraction(160), "lblAvgBodyWt");
  page.Add(nd + ne + 12, XPos::Fraction(80), PrintStyle::Heading, Titles::Results());
  page.Results(nd + ne + 14);
  return page.Items();
}

}  // namespace lumo::report
