// The concentrations of a run over time, as its concentration file holds
// them (time in days; outdoors, zone 1, zone 2 for a two-zone run and at the
// person, in mg/m³), read without Qt so that comparisons and exports can use
// them anywhere.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumo::comparison {

struct ConcentrationSeries {
  std::vector<double> days;
  std::vector<double> outdoor;
  std::vector<double> zone1;
  std::vector<double> zone2;  // empty for a one-zone run
  std::vector<double> person;
  bool HasZone2() const { return !zone2.empty(); }
  std::size_t Rows() const { return days.size(); }
};

// The series in a concentration file's bytes: a header naming the columns
// ("Time", "Conc Outdoors", "Conc Zone 1", "Conc Zone 2", "Conc@Person"),
// then one row of numbers per report interval. A last line without its line
// end (a row still being written) is left out. Nothing, with `problem`
// saying why, for a header without those columns or a row that is not as
// many numbers as the header has columns.
std::optional<ConcentrationSeries> ParseConcentrationSeries(std::string_view bytes,
                                                            std::string *problem = nullptr);

// The same reading with what went wrong told apart, for callers that word
// their own messages (the report's reader): a header without the time,
// outdoor, zone 1 and person columns (a header still being written counts),
// or the first row, by its line number, that is not `columns` numbers. A
// file with a header and no rows reads, with no rows.
struct SeriesReading {
  enum class Fault { None, Header, Row };
  std::optional<ConcentrationSeries> series;
  Fault fault = Fault::None;
  int line = 0;     // Fault::Row: the line, counted from 1
  int columns = 0;  // the header's columns
};
SeriesReading ReadConcentrationSeries(std::string_view bytes);

}  // namespace lumo::comparison
