// TPaintDurationDlg, "Painting Duration": application rates, maximum work
// hours per day, number of painters, start day and the interval between
// priming and painting, with the gallons, hours and days that follow.
// Application rates outside 0.01 to 1000 gallons/hour and painters outside
// 1 to 1000 are corrected to the nearest limit (the hours divide by them);
// work hours take 1 to 12. OK keeps the dialog open while the painting
// schedule cannot hold the work these values give.
#pragma once

#include "param_dialog.h"

class QLabel;
class QSpinBox;
class TNumEdit;
class TRadioGroup;

class TPaintDurationDlg : public TParamDialog {
  Q_OBJECT
 public:
  TPaintDurationDlg(QWidget *owner, lumo::TLumoState *state);

  // The application rates the defaults choice sets (gallons/hour).
  static constexpr double kDIYRate = 0.33;
  static constexpr double kProfessionalRate = 0.85;

 protected:
  bool CanClose() override;

 private:
  void StoreFields();
  void Calculate();
  void IntervalChosen(int index);
  void DefaultsChosen(int index);
  void EnableHoursTillPaint(bool on);

  TNumEdit *numedPrimerApplicationRate;
  TNumEdit *numedPaintApplicationRate;
  TNumEdit *numedPrimerWorkHours;
  TNumEdit *numedPaintWorkHours;
  TNumEdit *numedpainters;
  TRadioGroup *rgStartDay;
  TRadioGroup *rgPaintInterval;
  QSpinBox *spedHourstillPaint;
  TRadioGroup *rgPaintDurationDefaults;
  QLabel *lblPrimerHours;
  QLabel *lblPaintHours;
  QLabel *lblTotalHours;
  QLabel *lblGallons;
  QLabel *lblPrimerDays;
  QLabel *lblPaintDays;
  TNumEdit *lastLeft_ = nullptr;  // the field whose value changed last, if any
};
