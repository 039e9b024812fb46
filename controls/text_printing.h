// Printed layouts of the help and information texts, drawn on a
// PrintCanvas. Lines are spaced by a line height H taken from the canvas's
// font when the job starts (1.5 x its pixel height), and indented by 10/215
// of the page width.
#pragma once

#include <QStringList>
#include <functional>

#include "print_canvas.h"

namespace lumo::controls {

// `line` broken at blanks into pieces no wider than `width` as measured by
// `measure`; a word wider than `width` on its own is broken inside. An
// empty line stays one empty piece.
QStringList WrapLine(const QString &line, int width,
                     const std::function<int(const QString &)> &measure);

// A viewer's text: the title on line 1 in `headingFont`, then the body in
// `bodyFont` from line 3 on. Lines too wide for the page are wrapped; when
// the next line would reach past the page, a new page starts and the text
// continues on its line 2. Returns false (nothing printed) when the job
// cannot start.
bool PrintViewerText(PrintCanvas &canvas, const QString &title, const PrintFont &headingFont,
                     const PrintFont &bodyFont, const QStringList &lines);

// The "About the Help Buttons" page: line height L = 2 x the canvas font's
// pixel height; the heading at 90/215 of the page width on line 1, text line
// k (from 1) at 10/215 on line k + 2; one page.
bool PrintHelpButtonsText(PrintCanvas &canvas, const QString &heading, const PrintFont &headingFont,
                          const PrintFont &bodyFont, const QStringList &lines);

}  // namespace lumo::controls
