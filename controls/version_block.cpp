#include "version_block.h"

#include <QStringList>
#include <algorithm>
#include <string>

#ifndef LUMO_PROGRAM_VERSION
#define LUMO_PROGRAM_VERSION "1.0.0"
#endif

namespace lumo::controls {
namespace {

// The markers are kept reversed in the code so that the only place their
// forward form appears in the program file is the block itself.
QByteArray Unreverse(const char *reversed) {
  std::string s(reversed);
  std::reverse(s.begin(), s.end());
  return QByteArray::fromStdString(s);
}

const QByteArray &BeginMarker() {
  static const QByteArray marker = Unreverse("]NIGEB KCOLB NOISREV OMUL[");
  return marker;
}

const QByteArray &EndMarker() {
  static const QByteArray marker = Unreverse("]DNE KCOLB NOISREV OMUL[");
  return marker;
}

constexpr qsizetype kMaxBlockBytes = 64 * 1024;

// The block this program carries.
__attribute__((used)) const char kEmbeddedBlock[] =
    "[LUMO VERSION BLOCK BEGIN]\n"
    "Translation=040904E4\n"
    "\\StringFileInfo\\040904E4\\CompanyName=The LUMO developers\n"
    "\\StringFileInfo\\040904E4\\FileDescription=LUMO - inhalation exposure to chemicals from "
    "interior wall paint\n"
    "\\StringFileInfo\\040904E4\\FileVersion=" LUMO_PROGRAM_VERSION
    "\n"
    "\\StringFileInfo\\040904E4\\InternalName=lumo\n"
    "\\StringFileInfo\\040904E4\\LegalCopyright=The LUMO developers\n"
    "\\StringFileInfo\\040904E4\\OriginalFilename=lumo\n"
    "\\StringFileInfo\\040904E4\\ProductName=LUMO\n"
    "\\StringFileInfo\\040904E4\\ProductVersion=" LUMO_PROGRAM_VERSION
    "\n"
    "\\StringFileInfo\\040904E4\\Comments=Two-zone indoor air model of paint emissions\n"
    "[LUMO VERSION BLOCK END]\n";

}  // namespace

QByteArray MakeVersionBlock(const QString &translation, const QMap<QString, QString> &values) {
  QByteArray block = BeginMarker() + '\n';
  block += "Translation=" + translation.toUtf8() + '\n';
  for (auto it = values.begin(); it != values.end(); ++it) {
    block += "\\StringFileInfo\\" + translation.toUtf8() + '\\' + it.key().toUtf8() + '=' +
             it.value().toUtf8() + '\n';
  }
  block += EndMarker() + '\n';
  return block;
}

std::optional<VersionBlock> FindVersionBlock(QByteArrayView bytes) {
  // The begin marker stands at the start of a line: after a NUL, a line
  // break, or at the very start.
  const QByteArray &begin = BeginMarker();
  qsizetype at = bytes.indexOf(begin);
  while (at > 0 && bytes[at - 1] != '\0' && bytes[at - 1] != '\n')
    at = bytes.indexOf(begin, at + 1);
  if (at < 0) return std::nullopt;
  const qsizetype bodyStart = at + begin.size();
  // The end marker starts a line of the block.
  const qsizetype end = bytes.indexOf('\n' + EndMarker(), bodyStart);
  if (end < 0 || end - bodyStart > kMaxBlockBytes) return std::nullopt;
  const QString body =
      QString::fromUtf8(bytes.sliced(bodyStart, std::max<qsizetype>(0, end - bodyStart)));
  VersionBlock block;
  for (const QString &line : body.split(u'\n', Qt::SkipEmptyParts)) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0) continue;
    const QString key = line.left(eq);
    if (key == QLatin1String("Translation")) {
      if (block.translation.isEmpty()) block.translation = line.mid(eq + 1).trimmed().toUpper();
    } else {
      block.values.insert(key, line.mid(eq + 1));
    }
  }
  if (block.translation.isEmpty()) return std::nullopt;
  return block;
}

QByteArrayView EmbeddedVersionBlock() {
  return QByteArrayView(kEmbeddedBlock, sizeof(kEmbeddedBlock) - 1);
}

}  // namespace lumo::controls
