#include "viewer_printing.h"

#include <QCoreApplication>

#include "message_box.h"
#include "text_printing.h"

namespace lumo::controls {

void ReportPrinterFailure(QWidget *parent) {
  ShowMessage(parent, QCoreApplication::translate("Printing", "A Small Problem"),
              QCoreApplication::translate("Printing", "The printer could not be started."),
              MsgIcon::Warning, MsgButton::Ok);
}

void PrintViewerDocument(QWidget *parent, const QString &title, const PrintFont &headingFont,
                         const PrintFont &bodyFont, const QStringList &lines) {
  auto canvas = OpenPrintCanvas(parent);
  if (!canvas) return;
  if (!PrintViewerText(*canvas, title, headingFont, bodyFont, lines)) ReportPrinterFailure(parent);
}

}  // namespace lumo::controls
