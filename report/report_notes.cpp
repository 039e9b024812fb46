#include "report_notes.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "assemble_engine_inputs.h"
#include "lumo_state.h"
#include "report_content.h"
#include "report_screen_pages.h"
#include "results_provenance.h"
#include "run_length_adequacy.h"
#include "typical_ranges.h"

namespace lumo::report {

QStringList ReportNotes(const TLumoState &state, const QString &csvFileName) {
  QStringList notes;
  const auto &r = state.ScenarioRecord;
  if (ClassifyResults(r, state.PaintDurationGrid()) == ResultsState::Current) {
    try {
      auto inputs = AssembleEngineInputs(r, state.PaintDurationGrid());
      const auto adequacy = AssessRunLength(BindRecord(inputs), csvFileName.toStdString());
      for (const auto &note : RunLengthNotes(adequacy)) notes << QString::fromStdString(note);
    } catch (const std::exception &) {
      // Inputs the check refuses had no run to judge.
    }
  }
  for (const auto &note : PlausibilityNotes(r)) notes << QString::fromStdString(note.text);
  return notes;
}

}  // namespace lumo::report

namespace lumo::report {

QWidget *MakeReportNotesPage(QWidget *parent, const ReportContent &content) {
  auto *page = new QWidget(parent);
  page->setObjectName(QStringLiteral("pnlNotes"));
  page->setFixedSize(kPageWidth, kPageHeight);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(11);
  page->setFont(font);
  page->setAutoFillBackground(true);
  QPalette palette = page->palette();
  palette.setColor(QPalette::Window, Qt::white);
  page->setPalette(palette);
  auto *title = new QLabel(QObject::tr("NOTES"), page);
  QFont heading(QStringLiteral("Arial"));
  heading.setPixelSize(16);
  heading.setBold(true);
  title->setFont(heading);
  title->setGeometry(8, 6, kPageWidth - 16, 22);
  const QString text = content.notes.isEmpty()
                           ? QObject::tr(
                                 "No notes: there are no results of the current inputs "
                                 "to judge, and every input is within its typical "
                                 "range.")
                           : content.notes.join(QStringLiteral("\n\n"));
  auto *notes = new QLabel(text, page);
  notes->setObjectName(QStringLiteral("lblReportNotes"));
  notes->setTextFormat(Qt::PlainText);
  notes->setWordWrap(true);
  notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  notes->setGeometry(8, 36, kPageWidth - 16, kPageHeight - 44);
  return page;
}

}  // namespace lumo::report
