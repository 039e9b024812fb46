// Reading the help and information documents: installed text files that
// may be HTML or plain text, in UTF-8 or an 8-bit Windows code page.
#pragma once

#include <QString>
#include <optional>

namespace lumo::controls {

// The text of the file at `path`, or nothing when it does not exist or
// cannot be read. Bytes that are not valid UTF-8 are read as Latin-1.
std::optional<QString> ReadDocumentText(const QString &path);

// Whether a document is HTML: it starts with a tag (after any blanks) that
// the toolkit's rich text knows. Plain text that merely holds a "<" later
// on is shown as it is.
bool LooksLikeHtml(const QString &text);

}  // namespace lumo::controls
