#include "disp_chemicals_form.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "document_text.h"
#include "viewer_printing.h"

using namespace lumo::controls;

TfrmDispChemicals::TfrmDispChemicals(const QString &title, const QString &fileName, QWidget *parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("TfrmDispChemicals"));
  setWindowTitle(title);
  resize(640, 480);

  pnlCaption_ = new QLabel(title, this);
  pnlCaption_->setObjectName(QStringLiteral("pnlCaption"));
  pnlCaption_->setAlignment(Qt::AlignCenter);
  pnlCaption_->setMargin(8);
  pnlCaption_->setWordWrap(true);
  pnlCaption_->setAutoFillBackground(true);
  QFont captionFont = pnlCaption_->font();
  captionFont.setBold(true);
  captionFont.setPointSize(captionFont.pointSize() + 2);
  pnlCaption_->setFont(captionFont);
  QPalette captionPalette = pnlCaption_->palette();
  captionPalette.setColor(QPalette::Window, QColor(0x00, 0xFF, 0xFF));
  captionPalette.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
  pnlCaption_->setPalette(captionPalette);

  memoChemList_ = new QPlainTextEdit(this);
  memoChemList_->setObjectName(QStringLiteral("memoChemList"));
  memoChemList_->setReadOnly(true);
  memoChemList_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QPalette memoPalette = memoChemList_->palette();
  memoPalette.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
  memoChemList_->setPalette(memoPalette);

  memoChemList_->clear();
  QStringList lines;
  if (const auto document = ReadDocumentText(fileName)) {
    lines = document->split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  } else {
    lines << fileName + tr(":  Help file not found") << tr("  Please see your administrator");
  }
  memoChemList_->setPlainText(lines.join(u'\n'));
  memoChemList_->setVerticalScrollBarPolicy(lines.size() > 23 ? Qt::ScrollBarAlwaysOn
                                                              : Qt::ScrollBarAsNeeded);

  auto *buttons = new QDialogButtonBox(this);
  auto *btnPrint = buttons->addButton(tr("&Print"), QDialogButtonBox::ActionRole);
  btnPrint->setObjectName(QStringLiteral("btnPrint"));
  auto *btnClose = buttons->addButton(tr("Close"), QDialogButtonBox::AcceptRole);
  btnClose->setObjectName(QStringLiteral("btnClose"));
  btnClose->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(btnPrint, &QPushButton::clicked, this, &TfrmDispChemicals::Print);

  auto *layout = new QVBoxLayout(this);
  layout->addWidget(pnlCaption_);
  layout->addWidget(memoChemList_, 1);
  layout->addWidget(buttons);
}

void TfrmDispChemicals::Print() {
  PrintViewerDocument(this, pnlCaption_->text(), PrintFontOf(pnlCaption_->font()),
                      PrintFontOf(memoChemList_->font()),
                      memoChemList_->toPlainText().split(u'\n'));
}
