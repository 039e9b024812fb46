// TTipForm: the tip and help window: a heading (TipHeader), a pale yellow
// panel with an icon and the read-only rich-text box TipText, and the
// buttons Close (default) and Print. A "Next tip" button and a "Show this
// dialog box next time" check box exist for the tips dialog but are hidden.
// TRTFFormTips (rtf_form_tips.h) shows a help document in it.
#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QPushButton;
class QTextBrowser;

// The scroll bars of a tip text.
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TTipForm : public QDialog {
  Q_OBJECT

 public:
  explicit TTipForm(QWidget *parent = nullptr);

  QLabel *TipHeader() const { return tipHeader_; }
  QTextBrowser *TipText() const { return tipText_; }
  QCheckBox *ShowNextTime() const { return showNextTime_; }
  QPushButton *PrintButton() const { return btnPrint_; }
  QStringList &TipList() { return tips_; }
  void SetScrollBars(TScrollStyle style);

  // Prints the heading and the text of TipText.
  void Print();

 protected:
  void showEvent(QShowEvent *event) override;

 private:
  QLabel *tipHeader_;
  QTextBrowser *tipText_;
  QCheckBox *showNextTime_;
  QPushButton *btnPrint_;
  QLabel *fontGuy_;  // hidden; carries the printed heading's font
  QLabel *bodyGuy_;  // hidden; carries the printed body's font
  QStringList tips_;
};
