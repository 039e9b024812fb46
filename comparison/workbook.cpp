#include "workbook.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "platform.h"
#include "result_text.h"
#include "scenario_inputs.h"

namespace lumo::comparison {

namespace {

Cell Number(double v, std::string text = {}) {
  if (!std::isfinite(v)) return {FormatResult(v), {}};
  if (text.empty()) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    text = buf;
  }
  return {std::move(text), v};
}

// A cell holds at most 32,767 characters; a longer text (the painting
// schedule of a long job) is cut at a character boundary and marked.
std::string CellText(const std::string &text) {
  constexpr std::size_t kMax = 32767 - 3;
  if (text.size() <= kMax) return text;
  std::size_t end = kMax;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end) + "...";
}

// Writes the sheets into `file`; the libxlsxwriter error, or LXW_NO_ERROR.
lxw_error WriteFile(const std::string &file, const std::vector<Sheet> &sheets) {
  lxw_workbook *book = workbook_new(file.c_str());
  if (!book) return LXW_ERROR_CREATING_XLSX_FILE;
  lxw_format *bold = workbook_add_format(book);
  format_set_bold(bold);
  lxw_error error = LXW_NO_ERROR;
  auto keep = [&](lxw_error e) {
    if (error == LXW_NO_ERROR) error = e;
  };
  for (const Sheet &sheet : sheets) {
    const lxw_error name = workbook_validate_sheet_name(book, sheet.name.c_str());
    lxw_worksheet *ws =
        name == LXW_NO_ERROR ? workbook_add_worksheet(book, sheet.name.c_str()) : nullptr;
    if (!ws) {
      keep(name != LXW_NO_ERROR ? name : LXW_ERROR_MEMORY_MALLOC_FAILED);
      continue;
    }
    const Table &t = sheet.table;
    std::vector<std::size_t> widths(t.header.size(), 8);
    for (std::size_t c = 0; c < t.header.size(); ++c) {
      keep(worksheet_write_string(ws, 0, static_cast<lxw_col_t>(c), t.header[c].c_str(), bold));
      widths[c] = std::max(widths[c], t.header[c].size());
    }
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
      const auto row = static_cast<lxw_row_t>(r + 1);
      for (std::size_t c = 0; c < t.rows[r].size(); ++c) {
        const Cell &cell = t.rows[r][c];
        const auto col = static_cast<lxw_col_t>(c);
        if (cell.number && std::isfinite(*cell.number))
          keep(worksheet_write_number(ws, row, col, *cell.number, nullptr));
        else if (!cell.text.empty())
          keep(worksheet_write_string(ws, row, col, CellText(cell.text).c_str(), nullptr));
        if (c < widths.size())
          widths[c] = std::max(widths[c], std::min<std::size_t>(cell.text.size(), 60));
      }
    }
    for (std::size_t c = 0; c < widths.size(); ++c)
      worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                           static_cast<double>(widths[c]) + 2, nullptr);
    worksheet_freeze_panes(ws, 1, 0);
  }
  const lxw_error closed = workbook_close(book);
  return error != LXW_NO_ERROR ? error : closed;
}

std::string Label(const std::string &caption, const std::string &label) {
  return caption + " - " + label;
}

}  // namespace

void WriteWorkbook(const std::string &path, const std::vector<Sheet> &sheets) {
  static std::atomic<unsigned long> counter{0};
  const std::filesystem::path temp = std::filesystem::temp_directory_path() /
                                     ("lumo-workbook-" + std::to_string(std::random_device{}()) +
                                      "-" + std::to_string(++counter) + ".xlsx");
  const lxw_error error = WriteFile(temp.string(), sheets);
  std::ostringstream bytes;
  if (error == LXW_NO_ERROR) {
    std::ifstream in(temp, std::ios::binary);
    bytes << in.rdbuf();
  }
  std::error_code ignored;
  std::filesystem::remove(temp, ignored);
  if (error != LXW_NO_ERROR)
    throw EWorkbook("The workbook " + path + " was not written: " + lxw_strerror(error) + ".");
  try {
    platform::ReplaceFileContents(path, bytes.str());
  } catch (const std::exception &e) {
    throw EWorkbook(std::string("The workbook was not written: ") + e.what());
  }
}

Table RunResultsTable(const Results &results, double molecularWeight) {
  Table t;
  t.header = {"Result", "Measure", "Value", "Unit", "ppm"};
  for (std::size_t i = 0; i < kResultFields.size(); ++i) {
    const ResultField &f = kResultFields[i];
    std::vector<Cell> row = {
        {f.name, {}}, {f.label, {}}, Number(results[i], FormatResult(results[i])), {f.unit, {}}};
    row.push_back(f.concentration ? Number(ToPpm(results[i], molecularWeight)) : Cell{});
    t.rows.push_back(std::move(row));
  }
  return t;
}

Table InputsTable(const TLumoState &scenario) {
  Table t;
  t.header = {"Input", "Value", "Unit", "Field"};
  for (const InputValue &v : ScenarioInputs(scenario))
    t.rows.push_back({{v.caption, {}}, {v.text, v.number}, {v.unit, {}}, {v.name, {}}});
  return t;
}

Table SeriesTable(const ConcentrationSeries &s) {
  Table t;
  t.header = {"Time (days)", "Outdoors (mg/m³)", "Zone 1 (mg/m³)"};
  if (s.HasZone2()) t.header.push_back("Zone 2 (mg/m³)");
  t.header.push_back("At the person (mg/m³)");
  for (std::size_t r = 0; r < s.Rows(); ++r) {
    std::vector<Cell> row = {Number(s.days[r]), Number(s.outdoor[r]), Number(s.zone1[r])};
    if (s.HasZone2()) row.push_back(Number(s.zone2[r]));
    row.push_back(Number(s.person[r]));
    t.rows.push_back(std::move(row));
  }
  return t;
}

std::vector<Sheet> RunSheets(const TLumoState &scenario, const Results &results,
                             const ConcentrationSeries *series) {
  std::vector<Sheet> sheets = {
      {"Results", RunResultsTable(results, scenario.ScenarioRecord.MolecularWeight)},
      {"Inputs", InputsTable(scenario)}};
  if (series) sheets.push_back({"Concentrations", SeriesTable(*series)});
  return sheets;
}

std::vector<Sheet> ComparisonSheets(const Comparison &c) {
  std::vector<Sheet> sheets = {{"Results", ComparisonResultsTable(c)},
                               {"Inputs that differ", ComparisonInputsTable(c)}};
  Table series;
  std::vector<const ConcentrationSeries *> with;
  for (const ComparedScenario &s : c.scenarios) {
    if (!s.run.series) continue;
    series.header.push_back(Label("Time (days)", s.label));
    series.header.push_back(Label("At the person (mg/m³)", s.label));
    with.push_back(&*s.run.series);
  }
  std::size_t rows = 0;
  for (const ConcentrationSeries *s : with) rows = std::max(rows, s->Rows());
  for (std::size_t r = 0; r < rows; ++r) {
    std::vector<Cell> row;
    for (const ConcentrationSeries *s : with) {
      row.push_back(r < s->Rows() ? Number(s->days[r]) : Cell{});
      row.push_back(r < s->Rows() ? Number(s->person[r]) : Cell{});
    }
    series.rows.push_back(std::move(row));
  }
  if (!with.empty()) sheets.push_back({"Concentrations", std::move(series)});
  return sheets;
}

std::vector<Sheet> SweepSheets(const TLumoState &scenario, const SweepRequest &request,
                               const std::vector<SweepPoint> &points) {
  return {{"Sweep", SweepTable(request, points)}, {"Inputs", InputsTable(scenario)}};
}

}  // namespace lumo::comparison
