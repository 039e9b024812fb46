#include "about_form.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "file_version_info.h"
#include "viewer_printing.h"

using namespace lumo::controls;

TfrmAbout::TfrmAbout(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TfrmAbout"));
  setWindowTitle(tr("About LUMO"));
  setMinimumWidth(460);

  lblProductName_ = new QLabel(this);
  lblProductName_->setObjectName(QStringLiteral("lblProductName"));
  lblProductName_->setAlignment(Qt::AlignCenter);
  QFont titleFont = lblProductName_->font();
  titleFont.setBold(true);
  titleFont.setPointSize(titleFont.pointSize() + 8);
  lblProductName_->setFont(titleFont);

  lblVersion_ = new QLabel(this);
  lblVersion_->setObjectName(QStringLiteral("lblVersion"));
  lblVersion_->setAlignment(Qt::AlignCenter);

  lblContact_ = new QLabel(this);
  lblContact_->setObjectName(QStringLiteral("lblContact"));
  lblContact_->setAlignment(Qt::AlignCenter);
  lblContact_->setWordWrap(true);
  lblContact_->setText(
      tr("Inhalation exposure to chemicals emitted from freshly applied\ninterior wall paint.\n\n"
         "Developed for exposure assessors and industrial hygienists.\n"
         "Questions and comments: the LUMO developers, through the address\n"
         "given with your copy of the program."));

  lblFiles_ = new QLabel(this);
  lblFiles_->setObjectName(QStringLiteral("lblFiles"));
  lblFiles_->setWordWrap(true);
  lblFiles_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lblFiles_->hide();

  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
  auto *btnPrint = buttons->addButton(tr("&Print"), QDialogButtonBox::ActionRole);
  btnPrint->setObjectName(QStringLiteral("btnPrint"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(btnPrint, &QPushButton::clicked, this, &TfrmAbout::Print);

  auto *layout = new QVBoxLayout(this);
  layout->setSpacing(10);
  layout->addWidget(lblProductName_);
  layout->addWidget(lblVersion_);
  layout->addSpacing(8);
  layout->addWidget(lblContact_);
  layout->addWidget(lblFiles_);
  layout->addStretch(1);
  layout->addWidget(buttons);
  ShowVersion();
}

void TfrmAbout::ShowVersion() {
  const TFileVersionInfo info;  // the running program's own file
  lblProductName_->setText(info.ProductName());
  lblVersion_->setText(tr("Version ") + info.FileVersion());
}

void TfrmAbout::showEvent(QShowEvent *event) {
  ShowVersion();
  QDialog::showEvent(event);
}

QStringList TfrmAbout::Lines() const {
  QStringList lines =
      QStringList{lblVersion_->text(), QString()} + lblContact_->text().split(u'\n');
  if (!lblFiles_->text().isEmpty()) lines << QString() << lblFiles_->text().split(u'\n');
  return lines;
}

void TfrmAbout::SetFileLocations(const QStringList &lines) {
  lblFiles_->setText(lines.isEmpty() ? QString()
                                     : tr("Where your files are:") + u'\n' + lines.join(u'\n'));
  lblFiles_->setVisible(!lines.isEmpty());
}

void TfrmAbout::Print() {
  PrintViewerDocument(this, lblProductName_->text(), PrintFontOf(lblProductName_->font()),
                      PrintFontOf(lblContact_->font()), Lines());
}
