#include "result_tables.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "input_captions.h"
#include "result_text.h"

namespace lumo::comparison {

namespace {

Cell ResultCell(double v) {
  return {FormatResult(v), std::isfinite(v) ? std::optional<double>(v) : std::nullopt};
}

Cell ValueCell(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.6g", v);
  return {buf, std::isfinite(v) ? std::optional<double>(v) : std::nullopt};
}

// Characters shown, counting a UTF-8 sequence ("³") as one.
std::size_t Width(const std::string &s) {
  std::size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

}  // namespace

Table ComparisonResultsTable(const Comparison &c) {
  Table t;
  t.header = {"Result", "Measure", "Unit"};
  for (const ComparedScenario &s : c.scenarios) t.header.push_back(s.label);
  for (std::size_t i = 0; i < kResultFields.size(); ++i) {
    std::vector<Cell> row = {
        {kResultFields[i].name, {}}, {kResultFields[i].label, {}}, {kResultFields[i].unit, {}}};
    for (const ComparedScenario &s : c.scenarios)
      row.push_back(s.run.ok ? ResultCell(s.run.results[i]) : Cell{});
    t.rows.push_back(std::move(row));
  }
  return t;
}

Table ComparisonInputsTable(const Comparison &c) {
  Table t;
  t.header = {"Input", "Unit"};
  for (const ComparedScenario &s : c.scenarios) t.header.push_back(s.label);
  for (const InputDifference &d : c.differences) {
    std::vector<Cell> row = {{d.caption, {}}, {d.unit, {}}};
    for (std::size_t k = 0; k < d.values.size(); ++k) {
      const auto &v = d.values[k];
      row.push_back(v ? Cell{v->text, v->number}
                      : Cell{c.scenarios[k].opened ? "(not used)" : "", {}});
    }
    t.rows.push_back(std::move(row));
  }
  return t;
}

Table SweepTable(const SweepRequest &request, const std::vector<SweepPoint> &points) {
  Table t;
  const std::string caption = InputCaption(request.input->name);
  const std::string unit = request.input->unit.empty() ? "" : " (" + request.input->unit + ")";
  t.header = {caption + unit, "Applied" + unit};
  for (const ResultField &f : kResultFields)
    t.header.push_back(std::string(f.name) + " (" + f.unit + ")");
  t.header.push_back("Problem");
  for (const SweepPoint &p : points) {
    std::vector<Cell> row = {ValueCell(p.requested), p.applied ? ValueCell(*p.applied) : Cell{}};
    for (std::size_t i = 0; i < kResultFields.size(); ++i)
      row.push_back(p.ok ? ResultCell(p.results[i]) : Cell{});
    row.push_back({p.ok ? "" : p.problem, {}});
    t.rows.push_back(std::move(row));
  }
  return t;
}

std::string TableText(const Table &t, const std::string &indent) {
  std::vector<std::size_t> widths(t.header.size(), 0);
  for (std::size_t c = 0; c < t.header.size(); ++c) widths[c] = Width(t.header[c]);
  for (const auto &row : t.rows)
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
      widths[c] = std::max(widths[c], Width(row[c].text));
  auto line = [&](const std::vector<std::string> &cells) {
    std::string out = indent;
    for (std::size_t c = 0; c < cells.size(); ++c) {
      out += cells[c];
      if (c + 1 < cells.size()) out.append(widths[c] - Width(cells[c]) + 2, ' ');
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out + "\n";
  };
  std::string out = line(t.header);
  for (const auto &row : t.rows) {
    std::vector<std::string> cells;
    for (const Cell &cell : row) cells.push_back(cell.text);
    out += line(cells);
  }
  return out;
}

}  // namespace lumo::comparison
