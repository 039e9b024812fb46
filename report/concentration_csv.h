// Reading the concentration CSV a run writes: a header line naming the
// columns, then one row per report interval (time in days; outdoor, zone 1
// and, for a two-zone run, zone 2 concentrations; one column per sink; an
// empty column; the concentration at the person; all in mg/m³). The file is
// 8-bit text ("³" is the byte 0xB3) with CR LF line ends; numbers are in
// "%g" form with "." as the decimal mark.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace lumo::report {

struct ConcentrationTable {
  std::vector<double> days;
  std::vector<double> outdoor;
  std::vector<double> zone1;
  std::vector<double> zone2;  // empty for a one-zone run
  std::vector<double> person;
  bool HasZone2() const { return !zone2.empty(); }
  int Rows() const { return static_cast<int>(days.size()); }
};

struct CsvReadResult {
  std::optional<ConcentrationTable> table;
  QString problem;  // why there is no table, for the user
};

// Reads `path`. Fails, saying why, for a missing or unreadable file, an
// empty file, a header without the time, outdoor, zone 1 and person
// columns, a file without data rows, or a row that is not as many numbers
// as the header has columns. A last line without its line end is a row
// still being written (the engine ends every row it finishes) and is left
// out: its last number may be cut short.
CsvReadResult ReadConcentrationCsv(const QString &path);

// The same for the file's bytes; `name` is how messages call the file.
CsvReadResult ParseConcentrationCsv(const QByteArray &bytes, const QString &name);

}  // namespace lumo::report
