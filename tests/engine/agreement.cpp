#include "agreement.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lumo_test {

namespace {

// |value - exact| in units of the allowance max(relative |exact|, floor).
double share(double value, long double exact, double relative, long double floor) {
  const long double allowance = std::max(relative * std::fabs(exact), floor);
  const long double deviation = std::fabs(value - exact);
  if (deviation == 0) return 0.0;
  return allowance > 0 ? double(deviation / allowance) : INFINITY;
}

}  // namespace

LongDoubleOutput asReference(const CoreRunOutput &run) {
  LongDoubleOutput out;
  for (const ReportRow &row : run.rows) {
    out.rows.push_back({row.clock, std::vector<long double>(row.values.begin(), row.values.end())});
  }
  const lumo::ExposureResults &e = run.results;
  out.results = {e.ladd, e.add,      e.ladc,   e.adc,   e.cpeak, e.singleEventDose,
                 e.apdr, e.apdrTime, e.c15min, e.c8hour};
  return out;
}

Agreement compareRuns(const CoreRunOutput &engine, const LongDoubleOutput &reference,
                      Tolerance tolerance) {
  Agreement a;
  if (engine.rows.size() != reference.rows.size()) {
    a.sameReports = false;
    return a;
  }
  const std::size_t columns = reference.rows.front().values.size();
  std::vector<long double> peak(columns, 0);
  for (const LongDoubleRow &row : reference.rows) {
    for (std::size_t c = 0; c < columns; ++c) peak[c] = std::max(peak[c], std::fabs(row.values[c]));
  }
  for (std::size_t r = 0; r < reference.rows.size(); ++r) {
    const ReportRow &mine = engine.rows[r];
    const LongDoubleRow &exact = reference.rows[r];
    if (mine.clock != exact.clock || mine.values.size() != columns) {
      a.sameReports = false;
      return a;
    }
    for (std::size_t c = 0; c < columns; ++c) {
      const double s = share(mine.values[c], exact.values[c], tolerance.relative,
                             tolerance.ofColumnPeak * peak[c]);
      if (s > 1.0) ++a.rowValuesOutside;
      if (s > a.worstRowShare) {
        a.worstRowShare = s;
        char where[160];
        std::snprintf(where, sizeof where, "clock %.6f column %zu: %.17g vs %.17Lg", mine.clock, c,
                      mine.values[c], exact.values[c]);
        a.worstRow = where;
      }
    }
  }
  const lumo::ExposureResults &e = engine.results;
  const double mine[10] = {e.ladd, e.add,      e.ladc,   e.adc,   e.cpeak, e.singleEventDose,
                           e.apdr, e.apdrTime, e.c15min, e.c8hour};
  for (std::size_t i = 0; i < 10; ++i) {
    const double s = share(mine[i], reference.results[i], tolerance.relative, 0.0L);
    if (s > 1.0) ++a.resultsOutside;
    a.worstResultShare = std::max(a.worstResultShare, s);
  }
  return a;
}

}  // namespace lumo_test
