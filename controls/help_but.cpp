#include "help_but.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "print_canvas.h"
#include "text_printing.h"
#include "viewer_printing.h"

using namespace lumo::controls;

THelpBut::THelpBut(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("THelpBut"));
  setWindowTitle(tr("Help Buttons"));
  resize(780, 440);

  heading_ = new QLabel(tr("About the Help Buttons:"), this);
  heading_->setObjectName(QStringLiteral("lblHeading"));
  QFont headingFont = heading_->font();
  headingFont.setBold(true);
  headingFont.setPointSize(headingFont.pointSize() + 3);
  heading_->setFont(headingFont);

  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName(QStringLiteral("memoHelp"));
  memo_->setReadOnly(true);
  QFont memoFont(QStringLiteral("Times New Roman"));
  memoFont.setStyleHint(QFont::Serif);
  memoFont.setPixelSize(16);
  memo_->setFont(memoFont);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setPlainText(Lines().join(u'\n'));

  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
  auto *btnPrint = buttons->addButton(tr("&Print"), QDialogButtonBox::ActionRole);
  btnPrint->setObjectName(QStringLiteral("btnPrint"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(btnPrint, &QPushButton::clicked, this, &THelpBut::Print);

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addWidget(memo_, 1);
  layout->addWidget(buttons);
}

QStringList THelpBut::Lines() {
  return {
      tr("Context-sensitive help for LUMO is provided through ? buttons.  "),
      tr("Each ? button is located near the input area to which it pertains.  "),
      tr("These buttons generally provide guidance for editing default selections "),
      tr("or values provided with the model.  In some cases, they also describe "),
      tr("the basis for a default value or the algorithm used by LUMO to calculate "),
      tr("the value."),
      QString(),
      tr("In addition, the following buttons provide background information on specific "),
      tr("topic areas:"),
      QString(),
      tr("- IMPORTANT INFORMATION ON MODEL LIMITATIONS, located on the Introduction screen"),
      tr("- DESCRIPTIONS OF DEFAULT SCENARIOS, located on the Painting Scenario screen"),
      tr("- DISPLAY CHEMICALS USED TO DEVELOP EMISSION MODELS, "),
      tr("  located on the Paint & Chemical screen"),
      tr("- MODEL LIMITATIONS, located on the Execution screen."),
  };
}

void THelpBut::Print() {
  auto canvas = OpenPrintCanvas(this);
  if (!canvas) return;
  if (!PrintHelpButtonsText(*canvas, tr("About the Help Buttons"), PrintFontOf(heading_->font()),
                            PrintFontOf(memo_->font()), memo_->toPlainText().split(u'\n'))) {
    ReportPrinterFailure(this);
  }
}
