#include "time_series.h"

#include "number_text.h"

namespace lumo::comparison {

namespace {

std::vector<std::string_view> Split(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t comma = line.find(',');
    fields.push_back(line.substr(0, comma));
    if (comma == std::string_view::npos) return fields;
    line.remove_prefix(comma + 1);
  }
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

}  // namespace

SeriesReading ReadConcentrationSeries(std::string_view bytes) {
  SeriesReading r;
  std::vector<std::string_view> lines;
  while (true) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) break;  // the rest is a row still being written
    lines.push_back(bytes.substr(0, end));
    bytes.remove_prefix(end + 1);
  }
  const std::vector<std::string_view> header = Split(lines.empty() ? bytes : lines.front());
  r.columns = static_cast<int>(header.size());
  int time = -1, outdoor = -1, zone1 = -1, zone2 = -1, person = -1;
  for (std::size_t i = 0; i < header.size(); ++i) {
    const std::string_view name = Trimmed(header[i]);
    const int column = static_cast<int>(i);
    if (i == 0 && name.starts_with("Time"))
      time = column;
    else if (name.starts_with("Conc Outdoors"))
      outdoor = column;
    else if (name.starts_with("Conc Zone 1"))
      zone1 = column;
    else if (name.starts_with("Conc Zone 2"))
      zone2 = column;
    else if (name.starts_with("Conc@Person"))
      person = column;
  }
  if (time < 0 || outdoor < 0 || zone1 < 0 || person < 0) {
    r.fault = SeriesReading::Fault::Header;
    return r;
  }
  ConcentrationSeries s;
  for (std::size_t l = 1; l < lines.size(); ++l) {
    if (Trimmed(lines[l]).empty()) continue;
    const std::vector<std::string_view> fields = Split(lines[l]);
    auto number = [&](int column) { return ReadNumber(Trimmed(fields[column])); };
    if (fields.size() != header.size() || !number(time) || !number(outdoor) || !number(zone1) ||
        !number(person) || (zone2 >= 0 && !number(zone2))) {
      r.fault = SeriesReading::Fault::Row;
      r.line = static_cast<int>(l + 1);
      return r;
    }
    s.days.push_back(*number(time));
    s.outdoor.push_back(*number(outdoor));
    s.zone1.push_back(*number(zone1));
    if (zone2 >= 0) s.zone2.push_back(*number(zone2));
    s.person.push_back(*number(person));
  }
  r.series = std::move(s);
  return r;
}

std::optional<ConcentrationSeries> ParseConcentrationSeries(std::string_view bytes,
                                                            std::string *problem) {
  SeriesReading r = ReadConcentrationSeries(bytes);
  if (problem && r.fault == SeriesReading::Fault::Header)
    *problem = "the first line of the concentration file does not name its columns";
  if (problem && r.fault == SeriesReading::Fault::Row)
    *problem = "line " + std::to_string(r.line) + " of the concentration file is not " +
               std::to_string(r.columns) + " comma-separated numbers";
  return std::move(r.series);
}

}  // namespace lumo::comparison
