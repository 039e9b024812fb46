#include "help_files.h"

#include "platform.h"
#include "program_layout.h"

namespace lumo::controls {
namespace {

// Entries 1 to 50, in tag order.
const char *const kDocuments[] = {
    "Chemicals",
    "default_scenarios",
    "ModelLimits",
    "TypeofPaint",
    "Chemicals",
    "Edit Paint Density",
    "Indoor Sinks",
    "Primer",
    "Weight Fraction",
    "Select Chemical",
    "airchanges",
    "AmountofPaintUsed",
    "AmountofSurfaceArea",
    "BldgType",
    "buildingtype",
    "ChemicalComposition",
    "DurationofPaintingEvent",
    "exposurescreen",
    "InterzonalAirFlow",
    "NumberofPaintingDays",
    "Occupancy",
    "Options",
    "Override",
    "PaintChemical",
    "PaintingEvent",
    "PaintingEventMore",
    "PrimarySeconadary",
    "SATURATIONCONCENTRATION",
    "saveexecoptions",
    "SaveExecute",
    "SpecificDensity",
    "StartDay",
    "SurfaceAreaPainted",
    "TypeofPaint",
    "TypesofEmissions",
    "VOLUMES",
    "PercentPainted",
    "Events",
    "expind",
    "Gender",
    "Location",
    "Painting",
    "Weekday",
    "Weight",
    "Years",
    "title",
    "execute",
    "length",
    "complete",
    "caveat",
};
static_assert(std::size(kDocuments) == kHelpFileCount - 1);

}  // namespace

QString HelpFileEntry(int tag) {
  if (tag == 0) return QStringLiteral("No Help File Assigned");
  if (tag < 0 || tag >= kHelpFileCount) return QString();
  const QChar sep = QChar::fromLatin1(lumo::platform::PathSeparator());
  return QStringLiteral("help") + sep + QString::fromLatin1(kDocuments[tag - 1]) +
         QStringLiteral(".kbn");
}

QString HelpFilePath(int tag) {
  return QString::fromStdString(lumo::platform::RunningProgramLayout().dataDirectory) +
         QChar::fromLatin1(lumo::platform::PathSeparator()) + HelpFileEntry(tag);
}

}  // namespace lumo::controls
