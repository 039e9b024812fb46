// The "Print" button of the viewers: asks for a printer and prints a titled
// text on it, saying so when the printer cannot be started.
#pragma once

#include <QStringList>

#include "print_canvas.h"

class QWidget;

namespace lumo::controls {

void PrintViewerDocument(QWidget *parent, const QString &title, const PrintFont &headingFont,
                         const PrintFont &bodyFont, const QStringList &lines);

// Reports on behalf of `parent` that the print job could not start.
void ReportPrinterFailure(QWidget *parent);

}  // namespace lumo::controls
