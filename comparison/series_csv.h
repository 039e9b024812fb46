// The concentrations over time as a CSV file for other programs: UTF-8
// (with a byte-order mark, so that spreadsheets read "³" as such), a header
// naming each column with its unit, "," between fields and "." as the
// decimal mark, numbers with nine significant digits, CR LF line ends. The
// engine's own concentration file keeps its established bytes; this is a
// separate export.
#pragma once

#include <string>

#include "time_series.h"

namespace lumo::comparison {

// In mg/m³, or in ppm (24.453 × mg/m³ ÷ molecular weight) when `ppm`.
std::string SeriesCsv(const ConcentrationSeries &series, bool ppm, double molecularWeight);

}  // namespace lumo::comparison
