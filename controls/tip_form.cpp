#include "tip_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "viewer_printing.h"

using namespace lumo::controls;

namespace {

QFont TimesFont(int pixels, bool bold = false, bool italic = false) {
  QFont f(QStringLiteral("Times New Roman"));
  f.setStyleHint(QFont::Serif);
  f.setPixelSize(pixels);
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

}  // namespace

TTipForm::TTipForm(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TTipForm"));
  setWindowTitle(QStringLiteral("TipForm"));
  resize(520, 380);

  tipHeader_ = new QLabel(this);
  tipHeader_->setObjectName(QStringLiteral("TipHeader"));
  tipHeader_->setFont(TimesFont(24, true, true));
  tipHeader_->setWordWrap(true);

  auto *panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("pnlTip"));
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setAutoFillBackground(true);
  QPalette pale = panel->palette();
  pale.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE1));
  panel->setPalette(pale);
  auto *icon = new QLabel(panel);
  icon->setObjectName(QStringLiteral("imgTip"));
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
  icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  tipText_ = new QTextBrowser(panel);
  tipText_->setObjectName(QStringLiteral("TipText"));
  tipText_->setReadOnly(true);
  tipText_->setOpenLinks(false);
  tipText_->setFrameShape(QFrame::NoFrame);
  QPalette textPalette = tipText_->palette();
  textPalette.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xE1));
  tipText_->setPalette(textPalette);
  auto *panelLayout = new QHBoxLayout(panel);
  panelLayout->addWidget(icon);
  panelLayout->addWidget(tipText_, 1);

  fontGuy_ = new QLabel(this);
  fontGuy_->setObjectName(QStringLiteral("Fontguy"));
  fontGuy_->setFont(TimesFont(19));
  fontGuy_->hide();
  bodyGuy_ = new QLabel(this);
  bodyGuy_->setObjectName(QStringLiteral("BodyGuy"));
  bodyGuy_->setFont(TimesFont(16));
  bodyGuy_->hide();

  showNextTime_ = new QCheckBox(tr("Show this dialog box next time"), this);
  showNextTime_->setObjectName(QStringLiteral("cbShowNextTime"));
  showNextTime_->hide();

  // The tips dialog's "Next tip" stays out of the button box, which would
  // show it again.
  auto *btnNext = new QPushButton(tr("&Next tip"), this);
  btnNext->setObjectName(QStringLiteral("btnNextTip"));
  btnNext->hide();
  auto *buttons = new QDialogButtonBox(this);
  btnPrint_ = buttons->addButton(tr("&Print"), QDialogButtonBox::ActionRole);
  btnPrint_->setObjectName(QStringLiteral("btnPrint"));
  auto *btnClose = buttons->addButton(tr("Close"), QDialogButtonBox::AcceptRole);
  btnClose->setObjectName(QStringLiteral("btnClose"));
  btnClose->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(btnPrint_, &QPushButton::clicked, this, &TTipForm::Print);

  auto *bottom = new QHBoxLayout;
  bottom->addWidget(showNextTime_);
  bottom->addWidget(btnNext);
  bottom->addWidget(buttons, 1);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(tipHeader_);
  layout->addWidget(panel, 1);
  layout->addLayout(bottom);
}

void TTipForm::SetScrollBars(TScrollStyle style) {
  const bool h = style == TScrollStyle::ssHorizontal || style == TScrollStyle::ssBoth;
  const bool v = style == TScrollStyle::ssVertical || style == TScrollStyle::ssBoth;
  tipText_->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
  tipText_->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
  tipText_->setLineWrapMode(h ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
}

void TTipForm::showEvent(QShowEvent *event) {
  if (tips_.isEmpty()) tips_ << tr("There is no tip info available.");
  QDialog::showEvent(event);
}

void TTipForm::Print() {
  PrintViewerDocument(this, tipHeader_->text(), PrintFontOf(fontGuy_->font()),
                      PrintFontOf(bodyGuy_->font()), tipText_->toPlainText().split(u'\n'));
}
