// Saves a PNG of each control family and window of the controls library in
// a typical state, for review by eye: `make screenshots` runs it with the
// output folder as its argument.
#include <QApplication>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "about_form.h"
#include "activity_grid.h"
#include "disp_chemicals_form.h"
#include "grid_override.h"
#include "help_but.h"
#include "help_files.h"
#include "integer_edit.h"
#include "more_info_button.h"
#include "num_edit.h"
#include "percent_bar.h"
#include "real_edit.h"
#include "rtf_form_tips.h"
#include "sink_grid.h"
#include "speed_info_button.h"
#include "tip_form.h"

namespace {

QString g_dir;

void Shoot(QWidget &w, const QString &name) {
  w.show();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  w.grab().save(QDir(g_dir).filePath(name + QStringLiteral(".png")));
  w.hide();
}

TNumEdit *NumEdit(QWidget *parent, const QString &name, const QString &mask, double v) {
  auto *e = new TNumEdit(parent);
  e->setObjectName(name);
  e->SetNumericType(TNumericType::ntGeneral);
  e->Masks().SetPositiveMask(mask);
  e->SetValue(v);
  return e;
}

void NumericFields() {
  QWidget w;
  w.setWindowTitle(QStringLiteral("Numeric fields"));
  auto *form = new QFormLayout(&w);
  form->addRow(QStringLiteral("Building volume (#,##0.0)"),
               NumEdit(&w, QStringLiteral("numedBldgVolume"), QStringLiteral("#,##0.0"), 15583));
  auto *fraction = NumEdit(&w, QStringLiteral("numedWtFraction"), QStringLiteral("0.0###"), 0);
  fraction->SetDecimals(4);
  fraction->SetValue(0.0125);
  form->addRow(QStringLiteral("Weight fraction (0.0###)"), fraction);
  auto *negative =
      NumEdit(&w, QStringLiteral("numedNegative"), QStringLiteral("#,##0.00"), -1234.5);
  form->addRow(QStringLiteral("Negative (#,##0.00)"), negative);
  auto *percent = new TNumEdit(&w);
  percent->SetNumericType(TNumericType::ntPercentage);
  percent->SetDecimals(1);
  percent->SetValue(0.1);
  form->addRow(QStringLiteral("Percentage"), percent);
  auto *currency = new TNumEdit(&w);
  currency->SetValue(1234.5);
  form->addRow(QStringLiteral("Currency"), currency);
  auto *rate = new TRealEdit(&w);
  rate->SetFormatString(QStringLiteral("%10.2f"));
  rate->SetValue(0.45);
  form->addRow(QStringLiteral("Air exchange (TRealEdit %10.2f)"), rate);
  auto *clamped = new TRealEdit(&w);
  clamped->SetMinValue(1e-7);
  clamped->SetMaxValue(10000);
  clamped->SetFormatString(QStringLiteral("%5.7f"));
  clamped->SetValidate(true);
  clamped->SetValue(20000);
  form->addRow(QStringLiteral("Vapor pressure, clamped (red)"), clamped);
  auto *coats = new TIntegerEdit(&w);
  coats->SetValue(2);
  form->addRow(QStringLiteral("Coats (TIntegerEdit)"), coats);
  Shoot(w, QStringLiteral("controls_numeric_fields"));
}

void Grids() {
  TLUMOActivityGrid activity;
  activity.SetAutoSave(false);
  activity.resize(360, 250);
  const char *rows[][4] = {{"1", "0", "0", "9.6"},
                           {"2", "7", "0", "24.0"},
                           {"0", "8", "0", "13.3"},
                           {"2", "16", "0", "18.0"},
                           {"1", "22", "0", "12.0"}};
  for (int r = 0; r < 5; ++r) {
    for (int c = 0; c < 4; ++c) activity.SetCells(c + 1, r + 2, QString::fromLatin1(rows[r][c]));
  }
  Shoot(activity, QStringLiteral("controls_activity_grid"));

  TLUMOSinkGrid sink;
  sink.SetAutoSave(false);
  sink.SetGridType(SinkGridType::Reversable);
  sink.resize(420, 150);
  for (int r = 2; r < 8; ++r) {
    if (sink.Cells(2, r).isEmpty()) sink.SetCells(2, r, QStringLiteral("25.3"));
  }
  Shoot(sink, QStringLiteral("controls_sink_grid_reversible"));
  sink.SetGridType(SinkGridType::OneWay);
  Shoot(sink, QStringLiteral("controls_sink_grid_one_way"));

  TLUMOGridOverride override;
  override.SetAutoSave(false);
  override.resize(560, 130);
  override.SetCells(1, 2, QStringLiteral("1"));
  override.SetCells(2, 2, QStringLiteral("1"));
  override.SetCells(3, 2, QStringLiteral("8"));
  override.SetCells(4, 2, QStringLiteral("0"));
  override.SetCells(5, 2, QStringLiteral("1"));
  override.SetCells(6, 2, QStringLiteral("16"));
  override.SetCells(7, 2, QStringLiteral("0"));
  override.SetCells(8, 2, QStringLiteral("27.5"));
  Shoot(override, QStringLiteral("controls_override_grid"));
}

void PercentBars() {
  QWidget w;
  auto *layout = new QVBoxLayout(&w);
  const int shares[] = {0, 37, 100};
  for (int share : shares) {
    auto *bar = new TPERCENT(&w);
    bar->setFixedSize(337, 20);
    bar->SetPercentColor(QColor(0x80, 0x80, 0x00));
    bar->SetPercentShaded(share);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(9);
    f.setBold(true);
    bar->setFont(f);
    layout->addWidget(bar);
  }
  auto *captioned = new TPERCENT(&w);
  captioned->setFixedSize(90, 20);
  captioned->SetPercentShaded(50);
  captioned->SetShowPercent(false);
  captioned->SetCaption(QStringLiteral("Half"));
  auto *vertical = new TPERCENT(&w);
  vertical->setFixedSize(20, 90);
  vertical->SetPercentShaded(25);
  vertical->SetShowPercent(false);
  auto *row = new QHBoxLayout;
  row->addWidget(captioned);
  row->addWidget(vertical);
  row->addStretch(1);
  layout->addLayout(row);
  Shoot(w, QStringLiteral("controls_percent_bar"));
}

void Viewers() {
  TRTFFormTips help(QStringLiteral("Type of Paint"), lumo::controls::HelpFilePath(4));
  Shoot(help, QStringLiteral("controls_help_viewer"));
  TRTFFormTips missing(QStringLiteral("Unassigned"), lumo::controls::HelpFilePath(0));
  Shoot(missing, QStringLiteral("controls_help_viewer_missing"));
  TfrmDispChemicals info(QStringLiteral("Model Limitations"), lumo::controls::HelpFilePath(3));
  Shoot(info, QStringLiteral("controls_information_viewer"));
  THelpBut helpBut;
  Shoot(helpBut, QStringLiteral("controls_help_buttons"));
  TfrmAbout about;
  Shoot(about, QStringLiteral("controls_about"));

  TTipForm tip;
  tip.setWindowTitle(QStringLiteral("Exposure"));
  tip.TipHeader()->setText(QStringLiteral("More Information"));
  tip.TipText()->setPlainText(
      QStringLiteral("The average daily dose divides the inhaled amount over the days of the "
                     "exposure period and the body weight."));
  Shoot(tip, QStringLiteral("controls_tip_form"));

  QWidget buttons;
  auto *layout = new QHBoxLayout(&buttons);
  layout->addWidget(new TLUMOBtnMoreInfo(&buttons));
  layout->addWidget(new TLUMOSpeedInfo(&buttons));
  Shoot(buttons, QStringLiteral("controls_info_buttons"));
}

}  // namespace

int main(int argc, char **argv) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  QApplication app(argc, argv);
  g_dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
  QDir().mkpath(g_dir);
  NumericFields();
  Grids();
  PercentBars();
  Viewers();
  return 0;
}
