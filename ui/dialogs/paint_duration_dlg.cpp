#include "paint_duration_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cstring>

#include "dialog_fields.h"
#include "fixed_format.h"
#include "lumo_state.h"
#include "num_edit.h"
#include "paint_amounts.h"
#include "radio_group.h"

namespace {

QString Fixed(double v) {
  return QString::fromStdString(lumo::FormatFixed(v, 10, 2));
}

}  // namespace

TPaintDurationDlg::TPaintDurationDlg(QWidget *owner, lumo::TLumoState *state)
    : TParamDialog(owner, state, tr("Painting Duration")) {
  numedPrimerApplicationRate = MakeNumEdit(this, QStringLiteral("numedPrimerApplicationRate"), 2);
  numedPaintApplicationRate = MakeNumEdit(this, QStringLiteral("numedPaintApplicationRate"), 2);
  numedPrimerWorkHours = MakeNumEdit(this, QStringLiteral("numedPrimerWorkHours"), 2);
  numedPaintWorkHours = MakeNumEdit(this, QStringLiteral("numedPaintWorkHours"), 2);
  numedpainters = MakeNumEdit(this, QStringLiteral("numedpainters"), 0);
  for (TNumEdit *hours : {numedPrimerWorkHours, numedPaintWorkHours}) {
    hours->SetMin(lumo::kWorkHourLimits.Min);
    hours->SetMax(lumo::kWorkHourLimits.Max);
  }
  rgStartDay = new TRadioGroup(
      this, QStringLiteral("rgStartDay"), tr("Start Day:"),
      {tr("Mon"), tr("Tue"), tr("Wed"), tr("Thu"), tr("Fri"), tr("Sat"), tr("Sun")}, 7);
  rgPaintInterval =
      new TRadioGroup(this, QStringLiteral("rgPaintInterval"), tr("Primer/Paint Interval"),
                      {tr("Paint Same Day"), tr("Paint Next Day"), tr("Paint Second Day")});
  spedHourstillPaint = new QSpinBox(this);
  spedHourstillPaint->setObjectName(QStringLiteral("spedHourstillPaint"));
  spedHourstillPaint->setRange(static_cast<int>(lumo::kHoursTillPaintLimits.Min),
                               static_cast<int>(lumo::kHoursTillPaintLimits.Max));
  spedHourstillPaint->setStyleSheet(
      QStringLiteral("QSpinBox:disabled { background: silver; color: grey; font-style: italic; }"));
  rgPaintDurationDefaults = new TRadioGroup(
      this, QStringLiteral("rgPaintDurationDefaults"), QString(),
      {tr("Use Default for DIY Painter"), tr("Use Default for Professional Painter")}, 2);
  lblPrimerHours = MakeValueLabel(this, QStringLiteral("lblPrimerHours"));
  lblPaintHours = MakeValueLabel(this, QStringLiteral("lblPaintHours"));
  lblTotalHours = MakeValueLabel(this, QStringLiteral("lblTotalHours"));
  lblGallons = MakeValueLabel(this, QStringLiteral("lblGallons"));
  lblPrimerDays = MakeValueLabel(this, QStringLiteral("lblPrimerDays"));
  lblPaintDays = MakeValueLabel(this, QStringLiteral("lblPaintDays"));

  // Layout: rates and defaults, work hours and painters, day and interval,
  // then the calculated duration.
  Body()->addWidget(rgPaintDurationDefaults);
  auto *rates = new QGridLayout;
  AddFieldRow(rates, 0, tr("Primer Application Rate = "), numedPrimerApplicationRate,
              tr("Gallons/Hour per Painter"));
  AddFieldRow(rates, 1, tr("Paint Application Rate = "), numedPaintApplicationRate,
              tr("Gallons/Hour per Painter"));
  Body()->addLayout(rates);

  auto *hoursRow = new QHBoxLayout;
  auto *primerHoursBox = new QGroupBox(tr("Maximum Hours per Day for Priming"), this);
  auto *primerHoursLayout = new QHBoxLayout(primerHoursBox);
  primerHoursLayout->addWidget(numedPrimerWorkHours);
  primerHoursLayout->addWidget(new QLabel(tr("Hours per day")));
  primerHoursLayout->addStretch();
  hoursRow->addWidget(primerHoursBox);
  auto *paintHoursBox = new QGroupBox(QString(), this);
  auto *paintHoursLayout = new QGridLayout(paintHoursBox);
  AddFieldRow(paintHoursLayout, 0, tr("Maximum Hours per Day for Painting ="), numedPaintWorkHours,
              tr("Hours per day"));
  AddFieldRow(paintHoursLayout, 1, tr("Number of Painters ="), numedpainters, QString());
  hoursRow->addWidget(paintHoursBox);
  Body()->addLayout(hoursRow);

  Body()->addWidget(rgStartDay);
  auto *intervalRow = new QHBoxLayout;
  intervalRow->addWidget(rgPaintInterval);
  auto *waitBox = new QGroupBox(tr("Hours Between Priming and Painting"), this);
  auto *waitLayout = new QHBoxLayout(waitBox);
  waitLayout->addWidget(spedHourstillPaint);
  waitLayout->addWidget(new QLabel(tr("Hours")));
  waitLayout->addStretch();
  intervalRow->addWidget(waitBox, 0, Qt::AlignTop);
  Body()->addLayout(intervalRow);

  auto *calculated = new QGroupBox(tr("Calculated Duration"), this);
  auto *calcLayout = new QGridLayout(calculated);
  calcLayout->addWidget(lblGallons, 0, 0, 1, 2);
  calcLayout->addWidget(lblPrimerHours, 1, 0);
  calcLayout->addWidget(lblPrimerDays, 1, 1);
  calcLayout->addWidget(lblPaintHours, 2, 0);
  calcLayout->addWidget(lblPaintDays, 2, 1);
  calcLayout->addWidget(lblTotalHours, 3, 0);
  Body()->addWidget(calculated);

  // Filled from the record; the defaults choice is shown, not applied.
  const auto &r = Record();
  numedPrimerApplicationRate->SetValue(r.PrimerApplicationRate);
  numedPaintApplicationRate->SetValue(r.PaintApplicationRate);
  numedPrimerWorkHours->SetValue(r.PrimerWorkHours);
  numedPaintWorkHours->SetValue(r.PaintWorkHours);
  numedPrimerWorkHours->SetValidate(true);
  numedPaintWorkHours->SetValidate(true);
  numedpainters->SetValue(r.NumberOfPainters);
  rgStartDay->SetItemIndex(static_cast<int>(r.StartDay));
  rgPaintInterval->SetItemIndex(static_cast<int>(r.PaintInterval));
  spedHourstillPaint->setValue(r.HoursTillPaint);
  rgPaintDurationDefaults->SetItemIndex(r.PaintDurationDefaults);
  EnableHoursTillPaint(r.PaintInterval == lumo::PaintInterval::PAINTSAMEDAY);
  Calculate();

  for (TNumEdit *field : {numedPrimerApplicationRate, numedPaintApplicationRate,
                          numedPrimerWorkHours, numedPaintWorkHours, numedpainters}) {
    connect(field, &TNumEdit::exited, this, [this, field] {
      const lumo::ScenarioRecord before = Record();
      StoreFields();
      if (std::memcmp(&before, &Record(), sizeof before) != 0) lastLeft_ = field;
    });
  }
  connect(rgStartDay, &TRadioGroup::itemClicked, this,
          [this](int day) { Record().StartDay = static_cast<lumo::Days>(day); });
  connect(rgPaintInterval, &TRadioGroup::itemClicked, this, &TPaintDurationDlg::IntervalChosen);
  connect(spedHourstillPaint, &QSpinBox::valueChanged, this,
          [this](int hours) { Record().HoursTillPaint = hours; });
  connect(rgPaintDurationDefaults, &TRadioGroup::itemClicked, this,
          &TPaintDurationDlg::DefaultsChosen);
}

void TPaintDurationDlg::StoreFields() {
  auto &r = Record();
  r.PrimerApplicationRate = Corrected(
      numedPrimerApplicationRate, numedPrimerApplicationRate->Value(), lumo::kApplicationRateLimits,
      tr("The primer application rate"), tr(" gallons/hour"));
  r.PaintApplicationRate = Corrected(numedPaintApplicationRate, numedPaintApplicationRate->Value(),
                                     lumo::kApplicationRateLimits, tr("The paint application rate"),
                                     tr(" gallons/hour"));
  r.PrimerWorkHours = numedPrimerWorkHours->Value();
  r.PaintWorkHours = numedPaintWorkHours->Value();
  Calculate();
}

bool TPaintDurationDlg::CanClose() {
  using lumo::ScheduleInput;
  const std::pair<TNumEdit *, ScheduleInput> inputs[] = {
      {numedPrimerApplicationRate, ScheduleInput::PrimerApplicationRate},
      {numedPaintApplicationRate, ScheduleInput::PaintApplicationRate},
      {numedPrimerWorkHours, ScheduleInput::PrimerWorkHours},
      {numedPaintWorkHours, ScheduleInput::PaintWorkHours},
      {numedpainters, ScheduleInput::Painters},
  };
  for (const auto &[field, input] : inputs) {
    if (field == lastLeft_) return ScheduleAccepts(input, field);
  }
  return ScheduleAccepts(ScheduleInput::Choice, numedpainters);
}

void TPaintDurationDlg::Calculate() {
  auto &r = Record();
  const double typed = numedpainters->Value();
  const double painters = Corrected(numedpainters, typed, lumo::kPainterLimits,
                                    tr("The number of painters"), QString());
  r.NumberOfPainters = lumo::WholePainters(painters);
  numedpainters->SetValue(r.NumberOfPainters);

  const auto *s = State();
  lblGallons->setText(tr("%1 Gallons Primer and %2 Gallons Paint to be Used")
                          .arg(Fixed(s->GetPrimeVolume()), Fixed(s->GetPaintVolume())));
  lblPaintHours->setText(tr("%1 hours for paint").arg(Fixed(s->GetPaintHours())));
  lblPrimerHours->setText(tr("%1 hours for primer").arg(Fixed(s->GetPrimerHours())));
  lblTotalHours->setText(tr("%1 hours total").arg(Fixed(s->GetPrimerHours() + s->GetPaintHours())));
  lblPaintDays->setText(tr("Calculated Days to Apply Paint =   %1 days").arg(s->GetPaintDays()));
  lblPrimerDays->setText(tr("Calculated Days to Apply Primer = %1 days").arg(s->GetPrimerDays()));
}

void TPaintDurationDlg::IntervalChosen(int index) {
  Record().PaintInterval = static_cast<lumo::PaintInterval>(index);
  EnableHoursTillPaint(index == static_cast<int>(lumo::PaintInterval::PAINTSAMEDAY));
}

void TPaintDurationDlg::EnableHoursTillPaint(bool on) {
  spedHourstillPaint->setEnabled(on);
}

void TPaintDurationDlg::DefaultsChosen(int index) {
  auto &r = Record();
  r.PaintDurationDefaults = index;
  const double rate = index == 1 ? kProfessionalRate : kDIYRate;
  r.PrimerApplicationRate = rate;
  r.PaintApplicationRate = rate;
  numedPrimerApplicationRate->SetValue(rate);
  numedPaintApplicationRate->SetValue(rate);
  Calculate();
}
