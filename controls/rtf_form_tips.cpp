#include "rtf_form_tips.h"

#include <QFileInfo>
#include <QLabel>
#include <QTextBrowser>

#include "document_text.h"

using namespace lumo::controls;

TRTFFormTips::TRTFFormTips(const QString &title, const QString &fileName, QWidget *parent)
    : TTipForm(parent) {
  setObjectName(QStringLiteral("TRTFFormTips"));
  TipHeader()->setText(title);
  QTextBrowser *text = TipText();
  if (const auto document = ReadDocumentText(fileName)) {
    text->setSearchPaths({QFileInfo(fileName).absolutePath()});
    if (LooksLikeHtml(*document)) {
      text->setHtml(*document);
    } else {
      text->setPlainText(*document);
    }
  } else {
    text->setPlainText(fileName + tr(": Does not Exist"));
  }
  if (text->document()->blockCount() > 13) {
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  }
}
