// The program's version block. Windows programs carry a version resource;
// on Linux the program embeds an equivalent block in its own file, and
// TFileVersionInfo reads it back from there. The block is text between two
// markers:
//
//   <begin marker>
//   Translation=040904E4                 language and code page, 4 hex digits each
//   \StringFileInfo\040904E4\CompanyName=...
//   ... one line per value ...
//   <end marker>
//
// A file that holds no complete block has no version information.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <optional>

namespace lumo::controls {

struct VersionBlock {
  QString translation;            // e.g. "040904E4"
  QMap<QString, QString> values;  // keyed by "\StringFileInfo\<translation>\<name>"
};

// Builds a block's bytes (markers included) from its translation and values
// (value names without the path, e.g. "CompanyName").
QByteArray MakeVersionBlock(const QString &translation, const QMap<QString, QString> &values);

// The first complete block in `bytes`, if any.
std::optional<VersionBlock> FindVersionBlock(QByteArrayView bytes);

// The running program's own block; referencing it keeps it in the program
// file.
QByteArrayView EmbeddedVersionBlock();

}  // namespace lumo::controls
