// Reading the help and information documents: installed text files that
// may be HTML or plain text, in UTF-8 or an 8-bit Windows code page.
#pragma once

#include <QString>
#include <optional>

namespace lumo::controls {

// The text of the file at `path`, or nothing when it does not exist or
// cannot be read. Bytes that are not valid UTF-8 are read as Latin-1.
std::optional<QString> ReadDocumentText(const QString &path);

}  // namespace lumo::controls
