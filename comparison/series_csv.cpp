#include "series_csv.h"

#include <cmath>
#include <cstdio>

#include "result_text.h"

namespace lumo::comparison {

std::string SeriesCsv(const ConcentrationSeries &s, bool ppm, double molecularWeight) {
  const std::string unit = ppm ? " (ppm)" : " (mg/m³)";
  std::string out = "\xEF\xBB\xBFTime (days),Outdoors" + unit + ",Zone 1" + unit;
  if (s.HasZone2()) out += ",Zone 2" + unit;
  out += ",At the person" + unit + "\r\n";
  auto number = [&](double v, bool concentration) {
    if (concentration && ppm) v = ToPpm(v, molecularWeight);
    if (!std::isfinite(v)) return std::string();
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.9g", v);
    return std::string(buf);
  };
  for (std::size_t r = 0; r < s.Rows(); ++r) {
    out += number(s.days[r], false) + "," + number(s.outdoor[r], true) + "," +
           number(s.zone1[r], true);
    if (s.HasZone2()) out += "," + number(s.zone2[r], true);
    out += "," + number(s.person[r], true) + "\r\n";
  }
  return out;
}

}  // namespace lumo::comparison
