#include "document_text.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextDocument>

namespace lumo::controls {

std::optional<QString> ReadDocumentText(const QString &path) {
  QFile file(path);
  if (!file.exists() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  // Help documents are small; a runaway file is cut rather than read whole.
  const QByteArray bytes = file.read(16 * 1024 * 1024);
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(bytes);
  if (utf8.hasError()) text = QString::fromLatin1(bytes);
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return text;
}

bool LooksLikeHtml(const QString &text) {
  qsizetype i = 0;
  while (i < text.size() && (text[i].isSpace() || text[i] == QChar(0xFEFF))) ++i;
  return i < text.size() && text[i] == u'<' && Qt::mightBeRichText(text.mid(i));
}

}  // namespace lumo::controls
