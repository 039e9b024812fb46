#include "scenario_inputs.h"

#include <cmath>
#include <cstdio>

#include "input_captions.h"
#include "readable_number.h"
#include "variable_inputs.h"

namespace lumo::comparison {

namespace {

std::string NumberText(double v, int digits = 6) {
  if (std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 1e15) return ReadableNumber(v);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*g", digits, v);
  return buf;
}

InputValue Choice(std::string name, std::string text) {
  InputValue v;
  v.caption = InputCaption(name);
  v.name = std::move(name);
  v.text = text.empty() ? "(not a valid choice)" : std::move(text);
  return v;
}

InputValue Number(std::string name, std::string unit, double value) {
  InputValue v;
  v.caption = InputCaption(name);
  v.name = std::move(name);
  v.unit = std::move(unit);
  v.text = NumberText(value);
  v.number = value;
  return v;
}

std::string Clock(double hour, double minute) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02.0f:%02.0f", hour, minute);
  return buf;
}

// "00:00 zone 2 at 13.3 m³/day; 08:00 away at 0 m³/day"
std::string PatternText(const ActivityPattern &p) {
  std::string out;
  for (int i = 0; i < p.Entries(); ++i) {
    if (!out.empty()) out += "; ";
    const double zone = p.Zone[i];
    out += Clock(p.EnterHour[i], p.EnterMinute[i]) + " " +
           (zone == 0 ? std::string("away") : "zone " + NumberText(zone)) + " at " +
           NumberText(p.BreathingRate[i]) + " m³/day";
  }
  return out.empty() ? "(none)" : out;
}

// "3 periods: Mon 9:00-15:51 zone 1 at 27.50 m³/day; ..."
std::string ScheduleText(const PaintDurationGrid &g) {
  using G = PaintDurationGrid;
  auto cell = [&](int column, int row) {
    std::string text = g.Cell(column, row);
    const std::size_t first = text.find_first_not_of(' ');
    text = first == std::string::npos ? std::string() : text.substr(first);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
  };
  auto minute = [&](int column, int row) {
    std::string m = cell(column, row);
    return m.size() == 1 ? "0" + m : m;
  };
  std::string out = std::to_string(g.Rows()) + (g.Rows() == 1 ? " period" : " periods");
  for (int r = 0; r < g.Rows(); ++r)
    out += (r == 0 ? ": " : "; ") + cell(G::kStartDay, r) + " " + cell(G::kStartHour, r) + ":" +
           minute(G::kStartMinute, r) + "-" + cell(G::kEndHour, r) + ":" +
           minute(G::kEndMinute, r) + " zone " + cell(G::kZone, r) + " at " +
           cell(G::kBreathingRate, r) + " m³/day";
  return out;
}

// Whether the scenario's models read this input.
bool InUse(const TLumoState &s, const VariableInput &input) {
  if (input.group != InputGroup::Emissions && input.group != InputGroup::Sinks) return true;
  return !VariationRefusal(s.ScenarioRecord, input).has_value();
}

}  // namespace

std::vector<InputValue> ScenarioInputs(const TLumoState &s) {
  const ScenarioRecord &r = s.ScenarioRecord;
  std::vector<InputValue> out;
  out.push_back(Choice("BldgType", s.BldgTypetoString()));
  static const char *const kAreas[] = {"Entire building", "One bedroom", "Entire floor",
                                       "One office"};
  const auto area = static_cast<unsigned>(r.BldgArea);
  out.push_back(Choice("BldgArea", area < 4 ? kAreas[area] : ""));
  static const char *const kSurfaces[] = {"Walls", "Ceilings", "Walls and ceilings"};
  const auto surface = static_cast<unsigned>(r.BldgSurface);
  out.push_back(Choice("BldgSurface", surface < 3 ? kSurfaces[surface] : ""));
  if (r.BldgType == BldgType::Other) {
    out.push_back(Number("BoxLength", "ft", r.BoxLength));
    out.push_back(Number("BoxWidth", "ft", r.BoxWidth));
    out.push_back(Number("BoxHeight", "ft", r.BoxHeight));
  }
  out.push_back(Choice("StartDay", s.DaytoString()));
  static const char *const kIntervals[] = {"The same day", "The next day", "The second day"};
  const auto interval = static_cast<unsigned>(r.PaintInterval);
  out.push_back(Choice("PaintInterval", interval < 3 ? kIntervals[interval] : ""));
  out.push_back(Choice("PaintDurationDefaults", r.PaintDurationDefaults == 0   ? "Do-it-yourself"
                                                : r.PaintDurationDefaults == 1 ? "Professional"
                                                                               : ""));
  out.push_back(Choice("PaintType", s.PaintTypetoString()));
  out.push_back(Choice("ChemicalName", r.ChemicalName.Text()));
  out.push_back(Choice("PrimerEmissionsModel", s.PrimerEmissionsModelTypetoString()));
  out.push_back(Choice("PaintEmissionsModel", s.PaintEmissionsModelTypetoString()));
  out.push_back(Choice("SinkModel", s.SinkModeltoString()));
  out.push_back(Choice("IndividualType", s.IndividualTypetoString()));
  out.push_back(Choice("IndividualLocation", s.IndividualLocationTypetoString()));
  out.push_back(Choice("Gender", s.GenderToString()));
  for (const VariableInput &input : VariableInputs())
    if (InUse(s, input)) out.push_back(Number(input.name, input.unit, input.get(r)));
  out.push_back(Number("EventsinLifeTime", "events", r.EventsinLifeTime));
  out.push_back(Choice("WeekDayPattern", PatternText(r.WeekDayPattern)));
  out.push_back(Choice("WeekEndPattern", PatternText(r.WeekEndPattern)));
  out.push_back(Choice("PaintingSchedule", ScheduleText(s.PaintDurationGrid())));
  out.push_back(Number("RunLength", "days", r.RunLength));
  out.push_back(Number("ReportInterval", "minutes", r.ReportInterval));
  return out;
}

std::vector<InputDifference> DifferingInputs(const std::vector<const TLumoState *> &scenarios) {
  std::vector<std::vector<InputValue>> all;
  for (const TLumoState *s : scenarios) all.push_back(ScenarioInputs(*s));
  std::vector<InputDifference> out;
  // Keep the windows' order: the first scenario's list with the names only
  // later scenarios use placed after their predecessor in that list.
  std::vector<std::string> ordered;
  for (const auto &inputs : all)
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      bool placed = false;
      for (const std::string &n : ordered) placed |= n == inputs[i].name;
      if (placed) continue;
      auto at = ordered.end();
      if (i > 0)
        for (auto it = ordered.begin(); it != ordered.end(); ++it)
          if (*it == inputs[i - 1].name) at = it + 1;
      ordered.insert(at, inputs[i].name);
    }
  for (const std::string &name : ordered) {
    InputDifference d;
    d.name = name;
    bool differs = false;
    std::optional<InputValue> first;
    for (std::size_t k = 0; k < all.size(); ++k) {
      std::optional<InputValue> value;
      for (const InputValue &v : all[k])
        if (v.name == name) value = v;
      if (value) {
        d.caption = value->caption;
        d.unit = value->unit;
      }
      if (k == 0)
        first = value;
      else if (value.has_value() != first.has_value() ||
               (value && (value->number ? value->number != first->number  // NaN differs too
                                        : value->text != first->text)))
        differs = true;
      d.values.push_back(std::move(value));
    }
    if (!differs) continue;
    // Numbers that differ beyond the digits shown are shown in full, so
    // that the difference can be seen.
    for (std::size_t a = 0; a < d.values.size(); ++a)
      for (std::size_t b = 0; b < d.values.size(); ++b)
        if (d.values[a] && d.values[b] && d.values[a]->number && d.values[b]->number &&
            d.values[a]->number != d.values[b]->number && d.values[a]->text == d.values[b]->text)
          for (auto &v : d.values)
            if (v && v->number) v->text = NumberText(*v->number, 15);
    out.push_back(std::move(d));
  }
  return out;
}

}  // namespace lumo::comparison
