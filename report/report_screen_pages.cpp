#include "report_screen_pages.h"

#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QWidget>
#include <initializer_list>

#include "report_content.h"

namespace lumo::report {
namespace {

constexpr int kMargin = 8;
constexpr int kRightColumn = kPageWidth / 2;
constexpr int kLabelStep = 15;

QFont ArialPx(int pixels, bool bold) {
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

QFont PatternTitleFont() {
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPixelSize(11);
  f.setBold(true);
  return f;
}

QLabel *AddLabel(QWidget *page, const ReportContent &content, const char *name, int x, int y,
                 int width, int height = 14) {
  auto *label = new QLabel(content.Label(QLatin1String(name)), page);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(x, y, width, height);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// A read-only grid without grid lines, headers or selection.
QTableWidget *AddGrid(QWidget *page, const ReportContent &content, const char *name, int x, int y,
                      int rows, int rowHeight, std::initializer_list<int> widths,
                      int defaultWidth = 64) {
  const GridText text = content.Grid(QLatin1String(name));
  auto *grid = new QTableWidget(rows, text.columns, page);
  grid->setObjectName(QLatin1String(name));
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setShowGrid(false);
  grid->setFrameShape(QFrame::NoFrame);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->setFocusPolicy(Qt::NoFocus);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setWordWrap(false);
  // Narrow columns clip their text, as the printed page does, rather than
  // end it with an ellipsis.
  grid->setTextElideMode(Qt::ElideNone);
  grid->setStyleSheet(QStringLiteral("QTableWidget::item { padding: 0px 1px; }"));
  grid->horizontalHeader()->setMinimumSectionSize(1);
  grid->verticalHeader()->setMinimumSectionSize(1);
  grid->horizontalHeader()->setDefaultSectionSize(defaultWidth);
  grid->verticalHeader()->setDefaultSectionSize(rowHeight);
  int total = 0;
  int c = 0;
  for (int w : widths) {
    if (c < text.columns) grid->setColumnWidth(c, w);
    ++c;
  }
  for (c = 0; c < text.columns; ++c) total += grid->columnWidth(c);
  for (int r = 0; r < rows; ++r) {
    grid->setRowHeight(r, rowHeight);
    for (c = 0; c < text.columns; ++c) {
      auto *item = new QTableWidgetItem(text.Cell(c, r));
      item->setFlags(Qt::ItemIsEnabled);
      item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      grid->setItem(r, c, item);
    }
  }
  grid->setCurrentCell(-1, -1);
  grid->setGeometry(x, y, std::max(total, 1), rows * rowHeight);
  return grid;
}

QWidget *MakePanel(QWidget *parent, const char *name) {
  auto *page = new QWidget(parent);
  page->setObjectName(QLatin1String(name));
  page->setFixedSize(kPageWidth, kPageHeight);
  page->setFont(ArialPx(9, false));
  page->setAutoFillBackground(true);
  QPalette palette = page->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::Base, Qt::white);
  page->setPalette(palette);
  return page;
}

void AddHeading(QWidget *page, const ReportContent &content, const char *title, const char *date) {
  AddLabel(page, content, title, kMargin, 6, 360, 22)->setFont(ArialPx(16, true));
  QLabel *dateLabel = AddLabel(page, content, date, kPageWidth - 160, 8, 152, 18);
  dateLabel->setFont(ArialPx(13, true));
  dateLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace

QWidget *MakeReportPage1(QWidget *parent, const ReportContent &content) {
  QWidget *page = MakePanel(parent, "pnlPage1");
  AddHeading(page, content, "Label1", "lblDate");
  const int full = kPageWidth - 2 * kMargin;
  const int half = kRightColumn - kMargin;
  int y = 34;
  AddLabel(page, content, "lblFileName", kMargin, y, full);
  AddLabel(page, content, "lblTitle", kMargin, y += kLabelStep, full);
  AddLabel(page, content, "lblNotes", kMargin, y += kLabelStep, full);
  const char *pairs[][2] = {{"lblLengthRun", "lblReportingInterval"},
                            {"lblTypeofBuilding", "lblAirExchangeRate"},
                            {"lblVolume", "lblInterzonalAirflow"},
                            {"lblPercentPainted", "lblLoadingRatio"},
                            {"lblPaintedSurfaceArea", nullptr}};
  for (const auto &pair : pairs) {
    y += kLabelStep;
    AddLabel(page, content, pair[0], kMargin, y, half);
    if (pair[1]) AddLabel(page, content, pair[1], kRightColumn, y, half);
  }
  y += kLabelStep + 6;
  AddGrid(page, content, "gridPaintandChemical", kMargin, y, 19, 14, {160, 160, 160});
  y += 19 * 14 + 6;
  AddLabel(page, content, "lblIndoorSinks", kMargin, y, full);
  AddGrid(page, content, "gridSink", kMargin, y + 16, 6, 14, {134, 80, 155, 155}, 134);
  return page;
}

QWidget *MakeReportPage2(QWidget *parent, const ReportContent &content) {
  QWidget *page = MakePanel(parent, "pnlPage2");
  AddHeading(page, content, "Label2", "lblDatePage2");
  const int full = kPageWidth - 2 * kMargin;
  const int half = kRightColumn - kMargin;
  int y = 34;
  AddLabel(page, content, "lblExposedIndividual", kMargin, y, half);
  AddLabel(page, content, "lblGender", kRightColumn, y, half);
  AddLabel(page, content, "lblLocationDuringPainting", kMargin, y += kLabelStep, full);
  y += 20;
  for (const auto &[title, grid] :
       {std::pair{"Label12", "gridWeekDay"}, std::pair{"Label13", "gridWeekEnd"}}) {
    AddLabel(page, content, title, kMargin, y, half, 15)->setFont(PatternTitleFont());
    AddGrid(page, content, grid, kMargin, y + 16, kScreenPatternLines, 15, {70, 70, 95, 95, 190})
        ->setFont(ArialPx(9, true));
    y += 16 + kScreenPatternLines * 15 + 5;
  }
  y += 2;
  AddLabel(page, content, "lblBreathingRate", kMargin, y, half);
  AddLabel(page, content, "lblLifetimeExposure", kRightColumn, y, half);
  AddLabel(page, content, "lblYearsInLifetime", kMargin, y += kLabelStep, half);
  AddLabel(page, content, "lblAvgBodyWt", kRightColumn, y, half);
  y += 21;
  AddLabel(page, content, "Label11", kMargin, y, full, 19)->setFont(ArialPx(15, true));
  y += 20;
  auto *results = AddGrid(page, content, "gridLUMOResults", kMargin, y, 6, 16, {180, 180, 20, 150});
  results->setFont(ArialPx(9, true));
  if (!content.hasResults) {
    // One statement across the whole width, in place of the numbers.
    for (int row = 0; row < results->rowCount(); ++row) results->setSpan(row, 0, 1, 4);
  }
  y += 6 * 16 + 2;
  for (int i = 3; i <= 10; ++i) {
    const QByteArray name = "Label" + QByteArray::number(i);
    AddLabel(page, content, name.constData(), kMargin, y, full, 13)->setFont(ArialPx(9, true));
    y += 13;
  }
  return page;
}

}  // namespace lumo::report
