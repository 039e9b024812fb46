#include "long_double_run.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace lumo_test {

namespace {

using Real = long double;

// Σ over the increments of their release rates, per node, in long double.
class Emissions {
 public:
  Emissions(const std::vector<lumo::EmissionSource> &sources, int nodeCount) : nodes_(nodeCount) {
    for (const lumo::EmissionSource &s : sources) {
      if (s.node >= 0 && s.node < nodeCount) byStart_.push_back(s);
    }
    std::stable_sort(byStart_.begin(), byStart_.end(),
                     [](const auto &a, const auto &b) { return a.start < b.start; });
  }

  // Rates (mg/day) per node at s; s never decreases from call to call.
  const std::array<Real, lumo::kMaxNodes> &at(Real s) {
    if (evaluated_ && s == lastS_) return rates_;
    evaluated_ = true;
    lastS_ = s;
    while (next_ < byStart_.size() && Real(byStart_[next_].start) <= s) {
      applying_.push_back(byStart_[next_++]);
    }
    rates_.fill(0);
    for (std::size_t i = 0; i < applying_.size();) {
      const lumo::EmissionSource &src = applying_[i];
      const Real u = s - Real(src.start), k = src.rate, D = src.duration, M = src.mass;
      if (D <= 0 || u >= D) {
        finish(src);
        applying_[i] = applying_.back();
        applying_.pop_back();
        continue;
      }
      rates_[src.node] += M / D * -std::expm1(-k * u);
      ++i;
    }
    for (const Tail &g : tails_) rates_[g.node] += g.amplitude * std::exp(-g.rate * (s - g.from));
    return rates_;
  }

 private:
  struct Tail {
    int node;
    Real rate;
    Real amplitude;  // mg/day at `from`
    Real from;
  };

  // a e^{-k(s - f)} joins the sum of its node and rate, held at the later f.
  void finish(const lumo::EmissionSource &src) {
    const Real k = src.rate, D = src.duration, M = src.mass;
    const Real a = D <= 0 ? M * k : M / D * -std::expm1(-k * D);
    const Real f = D <= 0 ? Real(src.start) : Real(src.start) + D;
    for (Tail &g : tails_) {
      if (g.node != src.node || g.rate != k) continue;
      if (f >= g.from) {
        g.amplitude = g.amplitude * std::exp(-k * (f - g.from)) + a;
        g.from = f;
      } else {
        g.amplitude += a * std::exp(-k * (g.from - f));
      }
      return;
    }
    tails_.push_back({src.node, k, a, f});
  }

  int nodes_;
  std::vector<lumo::EmissionSource> byStart_;
  std::size_t next_ = 0;
  std::vector<lumo::EmissionSource> applying_;
  std::vector<Tail> tails_;
  bool evaluated_ = false;
  Real lastS_ = 0;
  std::array<Real, lumo::kMaxNodes> rates_{};
};

class Run {
 public:
  explicit Run(const lumo::RunInputs &in)
      : in_(in), n_(in.nodes.count), emissions_(in.sources, n_), x_(n_ + in.sinks.size()) {
    for (int i = 0; i < n_; ++i) x_[i] = in.initialConcentrations[i];
    for (std::size_t j = 0; j < in.sinks.size(); ++j) x_[n_ + j] = in.sinks[j].initialLoading;
    for (std::vector<Real> &k : k_) k.resize(x_.size());
    lastMinute_ = lastHour_ = in.constants.startTime;
    reserve_.fill(0);
  }

  LongDoubleOutput run() {
    LongDoubleOutput out;
    const auto &c = in_.constants;
    double clock = c.startTime;
    out.rows.push_back(row(clock));
    while (clock < c.endTime) {
      double target = std::min(clock + c.reportInterval, c.endTime);
      if (!(target > clock)) target = c.endTime;
      clock = advance(clock, target);
      out.rows.push_back(row(clock));
    }
    results(out.results);
    return out;
  }

 private:
  double advance(double t, double target) {
    double h = 1.0 / 2880.0;
    while (t < target) {
      if (t + h > target) h = target - t;
      const double s = t + h;
      if (!(s > t)) return target;
      // The step in in.substeps equal parts, each limited by the saturation.
      const Real part = Real(h) / in_.substeps;
      for (int j = 0; j < in_.substeps; ++j) {
        rk4(Real(t) + j * part, part);
        saturate();
      }
      bookkeeping(s, h);
      t = s;
    }
    return t;
  }

  void derivative(Real s, const std::vector<Real> &x, std::vector<Real> &dx) {
    const lumo::NodeTable &nodes = in_.nodes;
    for (int i = 0; i < n_; ++i) {
      Real d = 0;
      for (const lumo::ZonePair &p : nodes.pairs) {
        if (p.to == i) d += Real(p.flow) / Real(nodes.volume[i]) * x[p.from];
        if (p.from == i) d -= Real(p.flow) / Real(nodes.volume[i]) * x[i];
      }
      dx[i] = d + emissions_.at(s)[i] / Real(nodes.volume[i]);
    }
    for (std::size_t j = 0; j < in_.sinks.size(); ++j) {
      const lumo::SinkNode &sink = in_.sinks[j];
      dx[n_ + j] = 0;
      if (sink.node < 0 || sink.node >= n_) continue;
      const Real V = nodes.volume[sink.node], C = x[sink.node], L = x[n_ + j];
      if (sink.kind == lumo::SinkKind::kFirstOrder) {
        dx[sink.node] -= Real(sink.uptake) * C / V;
      } else {
        const Real uptake = Real(sink.uptake) * sink.area * C;
        const Real release = Real(sink.release) * sink.area * L;
        dx[sink.node] += (release - uptake) / V;
        dx[n_ + j] = uptake - release;
      }
    }
  }

  void rk4(Real T, Real H) {
    const std::size_t m = x_.size();
    std::vector<Real> &k1 = k_[0], &k2 = k_[1], &k3 = k_[2], &k4 = k_[3], &y = k_[4];
    derivative(T, x_, k1);
    for (std::size_t i = 0; i < m; ++i) y[i] = x_[i] + H / 2 * k1[i];
    derivative(T + H / 2, y, k2);
    for (std::size_t i = 0; i < m; ++i) y[i] = x_[i] + H / 2 * k2[i];
    derivative(T + H / 2, y, k3);
    for (std::size_t i = 0; i < m; ++i) y[i] = x_[i] + H * k3[i];
    derivative(T + H, y, k4);
    for (std::size_t i = 0; i < m; ++i) x_[i] += H / 6 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
  }

  void saturate() {
    const Real csat = in_.constants.saturationConcentration;
    for (int i = 0; i < n_; ++i) {
      const Real V = in_.nodes.volume[i];
      Real &C = x_[i];
      Real &R = reserve_[i];
      if (C > csat) {
        R += (C - csat) * V;
        C = csat;
      } else if (R > 0) {
        const Real room = (csat - C) * V;
        if (R <= room) {
          C += R / V;
          R = 0;
        } else {
          R -= room;
          C = csat;
        }
      }
    }
  }

  // Zone and breathing rate at s, or false when no entry covers it.
  bool whereabouts(double s, int &zone, Real &breathing) const {
    for (const lumo::OverrideEntry &o : in_.overrides) {
      if (o.enter <= s && s <= o.exit) {
        zone = o.zone;
        breathing = o.breathingRate;
        return true;
      }
    }
    const lumo::DayPosition day = lumo::dayPosition(s);
    const auto &pattern =
        in_.primaryDays[day.slot] == 1 ? in_.primaryPattern : in_.secondaryPattern;
    const double tau = day.timeOfDay;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
      if (pattern[i].startOfDay > tau) continue;
      if (i + 1 == pattern.size() || pattern[i + 1].startOfDay > tau) {
        zone = pattern[i].zone;
        breathing = pattern[i].breathingRate;
        return true;
      }
    }
    return false;
  }

  void bookkeeping(double s, double h) {
    int zone = 0;
    Real breathing = 0;
    if (whereabouts(s, zone, breathing) && zone >= 0 && zone < n_) {
      const Real C = x_[zone], H = h;
      person_ = C;
      exposure_ += H * C;
      dose_ += breathing * H * C;
      hourDose_ += breathing * H * C / Real(in_.constants.bodyWeight);
      peak_ = std::max(peak_, C);
      total_ += H * 24 * 60 * C;
    }
    if ((s - lastMinute_) * 24.0 * 60.0 >= 0.9999) {
      max15_ = std::max(max15_, total_ - at15_[p15_]);
      at15_[p15_] = total_;
      p15_ = (p15_ + 1) % at15_.size();
      max480_ = std::max(max480_, total_ - at480_[p480_]);
      at480_[p480_] = total_;
      p480_ = (p480_ + 1) % at480_.size();
      lastMinute_ = s;
    }
    if ((s - lastHour_) * 24.0 >= 1.0) {
      for (Real &slot : day_) slot += hourDose_;
      lastHour_ = s;
      if (maxDay_ < day_[p24_]) {
        maxDay_ = day_[p24_];
        maxDayTime_ = s;
      }
      day_[p24_] = 0;
      p24_ = (p24_ + 1) % day_.size();
      hourDose_ = 0;
    }
  }

  LongDoubleRow row(double clock) const {
    LongDoubleRow r{clock, std::vector<Real>(x_.begin(), x_.end())};
    r.values.push_back(person_);
    return r;
  }

  void results(std::array<Real, 10> &r) const {
    const auto &c = in_.constants;
    const Real epy = c.eventsPerYear, bw = c.bodyWeight, years = c.yearsOfExposure,
               lifetime = c.averageLifeTime;
    r = {dose_ * epy / bw * (years / lifetime),
         dose_ * epy / (Real(365.25) * bw),
         exposure_ * epy * (years / lifetime),
         exposure_ * epy / Real(365.25),
         peak_,
         dose_,
         maxDay_,
         Real(maxDayTime_),
         max15_ / 15,
         max480_ / 480};
  }

  const lumo::RunInputs &in_;
  int n_;
  Emissions emissions_;
  std::vector<Real> x_;
  std::array<std::vector<Real>, 5> k_;  // the four stages and the stage state
  std::array<Real, lumo::kMaxNodes> reserve_{};

  Real person_ = 0, exposure_ = 0, dose_ = 0, hourDose_ = 0, peak_ = 0;
  Real total_ = 0;  // mg·min/m³ since the start
  std::array<Real, 15> at15_{};
  std::array<Real, 480> at480_{};  // the total when each slot was last read
  std::size_t p15_ = 0, p480_ = 0, p24_ = 0;
  Real max15_ = 0, max480_ = 0;
  std::array<Real, 24> day_{};
  Real maxDay_ = 0;
  double maxDayTime_ = 0;
  double lastMinute_, lastHour_;
};

}  // namespace

LongDoubleOutput runInLongDouble(const lumo::RunInputs &inputs) {
  return Run(inputs).run();
}

}  // namespace lumo_test
