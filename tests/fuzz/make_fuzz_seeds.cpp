// make_fuzz_seeds FOLDER CHEMICAL-LIST: writes seed inputs for every fuzz
// target into FOLDER/<target>/: the default scenarios (and a few variants
// with sinks, alkyd paint and other persons) as scenario inputs and as
// engine records, the concentration files of two short runs, the chemical
// list and variants of its layout, grid files as the grid saves them, and
// typical number texts, formats and masks.
// The committed corpora were merged from these (see the README).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "default_scenario.h"
#include "default_scenarios.h"
#include "engine_record_input.h"
#include "lumo32.h"
#include "lumo_transfer.h"
#include "scenario_input.h"
#include "scenario_rules.h"

namespace {

namespace fs = std::filesystem;
using namespace lumo;
using namespace lumo::fuzz;

fs::path root;

void Seed(const std::string &target, const std::string &name, const std::string &bytes) {
  fs::create_directories(root / target);
  std::ofstream(root / target / name, std::ios::binary) << bytes;
}

std::string ReadAll(const fs::path &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Replace(std::string text, const std::string &from, const std::string &to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// A scenario saved in `folder` as both kinds of seed.
void ScenarioSeeds(LumoTransfer &scenario, const fs::path &folder, const std::string &name,
                   int index) {
  const std::string file = (folder / (name + ".vkx")).string();
  scenario.SaveState(file);
  const std::string record = ReadAll(file);
  const std::string schedule = ReadAll(CompanionFileName(file));
  Seed("scenario", name, WriteScenarioInput(record, schedule, true, index % 2 == 1));
  scenario.FillTransferRecord();
  Seed("engine_record", name,
       std::string(1, static_cast<char>(index % 4)) + WriteEngineRecord(scenario.Record()));
}

void Scenarios(const std::string &chemicalList) {
  const fs::path folder = root / "scenario-files";
  fs::create_directories(folder);
  TFileChemical chemicals(chemicalList);
  if (!chemicals.LoadFile()) throw std::runtime_error(chemicals.LastError());
  WriteDefaultScenarios(chemicals, folder.string());

  int index = 0;
  for (const DefaultScenario &d : DefaultScenarios()) {
    LumoTransfer scenario(folder.string());
    scenario.GetState((folder / d.fileName).string());
    std::string name = fs::path(d.fileName).stem().string();
    for (char &c : name)
      if (c == ' ') c = '_';
    ScenarioSeeds(scenario, folder, "default-" + name, index++);
  }

  // Variants of the start-up scenario that reach other code: sinks of both
  // models, alkyd paint with the semi-empirical model, other persons, a run
  // short enough to complete within the targets' bounds.
  const std::vector<std::pair<std::string, std::function<void(LumoTransfer &)>>> variants = {
      {"one-way-sinks",
       [](LumoTransfer &s) {
         s.SetSink(SinkModelType::OneWay);
         for (int i = 0; i < SinkBlock::kSinks; ++i) s.ScenarioRecord.Sinks.AdsorptionRate[i] = 0.1;
       }},
      {"reversible-sinks",
       [](LumoTransfer &s) {
         s.SetSink(SinkModelType::Reversible);
         for (int i = 0; i < SinkBlock::kSinks; ++i) {
           s.ScenarioRecord.Sinks.AdsorptionRate[i] = 0.2;
           s.ScenarioRecord.Sinks.DesorptionRate[i] = 0.05;
         }
       }},
      {"alkyd-semi-empirical",
       [](LumoTransfer &s) {
         rules::ApplyPaintType(s, PaintType::Alkyd);
         s.ScenarioRecord.PrimerEmissionsModel = EmissionsModelType::SemiEmpirical;
         s.ScenarioRecord.PaintEmissionsModel = EmissionsModelType::SemiEmpirical;
         s.ScenarioRecord.PrimerFirstOrderRateConstant = 0.4;
         s.ScenarioRecord.PaintFirstOrderRateConstant = 0.3;
       }},
      {"do-it-yourself-female",
       [](LumoTransfer &s) {
         rules::ApplyIndividual(s, IndividualType::DIY);
         rules::ApplyGender(s, GenderType::Female, false);
       }},
      {"child-next-day-paint",
       [](LumoTransfer &s) {
         rules::ApplyIndividual(s, IndividualType::Child);
         s.ScenarioRecord.PaintInterval = PaintInterval::PAINTSECONDDAY;
         s.ScenarioRecord.RunLength = 2;
         s.ScenarioRecord.ReportInterval = 60;
       }},
      {"one-day-run",
       [](LumoTransfer &s) {
         s.ScenarioRecord.RunLength = 1;
         s.ScenarioRecord.ReportInterval = 15;
       }},
      {"standard-box",
       [](LumoTransfer &s) {
         rules::ApplyBuildingChoice(s, BldgType::Other, true);
         rules::ApplyStandardBoxAccepted(s);
       }},
  };
  for (const auto &[name, change] : variants) {
    LumoTransfer scenario(folder.string());
    SetStartupScenario(scenario, chemicals);
    change(scenario);
    scenario.SetDefaultEmissions();
    scenario.CalcSinkAreas();
    scenario.SetPaintDurationGrid();
    ScenarioSeeds(scenario, folder, "variant-" + name, index++);
  }

  // Concentration files of one-day runs: two zones with sinks, one zone.
  for (const auto &[name, building, part] : {std::tuple{"two-zones-sinks", BldgType::House, true},
                                             std::tuple{"one-zone", BldgType::Apartment, false}}) {
    LumoTransfer scenario(folder.string());
    SetStartupScenario(scenario, chemicals);
    rules::ApplyBuildingChoice(scenario, building, part);
    scenario.SetSink(SinkModelType::Reversible);
    for (int i = 0; i < SinkBlock::kSinks; ++i)
      scenario.ScenarioRecord.Sinks.AdsorptionRate[i] = 0.2;
    scenario.ScenarioRecord.RunLength = 1;
    scenario.ScenarioRecord.ReportInterval = 30;
    scenario.SetDefaultEmissions();
    scenario.CalcSinkAreas();
    scenario.SetPaintDurationGrid();
    scenario.FillTransferRecord();
    TransferRecord record = scenario.Record();
    const std::string csv = (folder / "run.CSV").string();
    if (_InitLmuo(&record, nullptr, csv.c_str()) != 1) throw std::runtime_error("no run");
    while (_OneLoop() < 100.0) {
    }
    _GetValues();
    const std::string text = ReadAll(csv);
    for (std::uint8_t points : {0, 8}) {
      FuzzWriter out;
      out.U8(points);
      out.F64(scenario.ScenarioRecord.MolecularWeight);
      out.Bytes(text);
      Seed("concentration_csv", std::string(name) + (points ? "-thinned" : ""), out.Text());
    }
    // A last row still being written.
    FuzzWriter out;
    out.U8(0);
    out.F64(0.0);
    out.Bytes(text.substr(0, text.size() - 7));
    Seed("concentration_csv", std::string(name) + "-cut", out.Text());
  }

  // Files of the wrong sizes, given as they lie on disk.
  const std::string record = ReadAll(folder / "variant-one-way-sinks.vkx");
  Seed("scenario", "short-files", WriteScenarioInput(record.substr(0, 100), "\x03", false, false));
  Seed("scenario", "long-record",
       WriteScenarioInput(record + "x", std::string(16, '\0'), false, false));
  fs::remove_all(folder);
}

void Chemicals(const std::string &chemicalList) {
  const std::string list = ReadAll(chemicalList);
  Seed("chemicals", "shipped", list);
  Seed("chemicals", "line-feeds", Replace(list, "\r\n", "\n"));
  Seed("chemicals", "tabs", Replace(list, "     ", "\t"));
  Seed("chemicals", "empty-list", TFileChemical::WriteHeader() + "0\r\n");
  Seed("chemicals", "no-comments",
       "0\r\n2\r\n 2.16320000000000E+0002  0.00930000    TMPD-MIB\r\n"
       "18.0 17.5 water\n");
  Seed("chemicals", "count-too-large", "1\r\n*\r\n5\r\n 1.0E+0001 1.0 a\r\n");
  Seed("chemicals", "duplicates", "0\n3\n1 2 same\n3 4 other\n5 6 same\n");
}

void Grids() {
  Seed("grid", "example", "|\n2|3\n16\n\n\nTop\nColumn 0 Width: 16\n1|0|a\n2|1|b|c\n\n");
  Seed("grid", "captions-and-sizes",
       ";\n6;4\n16\nFirst\nSecond\nBottom\nRow 3 Height: 30\nColumn 0 Width: 16\n"
       "Column 2 Width: 90\n3;5;x;y\n\n");
  Seed("grid", "carriage-returns", "|\r\n3|3\r\n20\r\nA\r\nB\r\nTop\r\n1|1|one\r\n2|2|two\r\n\r\n");
  Seed("grid", "latin-1", "|\n2|2\n16\ncaf\xe9\n\nTop\n1|1|\xb5g/m\xb3\n\n");
  Seed("grid", "utf-8", "|\n2|2\n16\ncaf\xc3\xa9\n\nTop\n1|1|\xc2\xb5g/m\xc2\xb3\n\n");
  Seed("grid", "malformed", "|\n4|3\n16\n\n\nTop\n1|2|ok\n2|x|bad\n");
}

// One number-text input: the operation byte, then the values and the text.
void NumberSeed(const std::string &name, std::uint8_t op,
                const std::function<void(FuzzWriter &)> &values, const std::string &text) {
  FuzzWriter out;
  out.U8(op);
  values(out);
  out.Bytes(text);
  Seed("number_text", name, out.Text());
}

void NumberTexts() {
  auto none = [](FuzzWriter &) {};
  int n = 0;
  for (const char *text : {"1,234.5", "-1e-7", "  42 ", "+7", "4294967295", "-2147483648", ".5",
                           "1.", "abc", "1e400", "- 3", "0x10"})
    NumberSeed("syntax-" + std::to_string(n++), 0, none, text);
  for (const char *format :
       {"%10.2f", "%g", "%-+#08.3e kg", "%d%%", "%u", "%5i", "%%", "%s", "%.99G", "%5$d"}) {
    NumberSeed(
        "format-" + std::to_string(n++), 1,
        [](FuzzWriter &w) {
          w.F64(-1234.5678);
          w.I32(-42);
          w.U32(4000000000u);
        },
        format);
  }
  const double values[] = {1234.5678, -1500, 0, 0.125, 1e20, -0.004};
  int v = 0;
  for (const char *mask :
       {"#,##0.00", "0.0###", "#,##0", "#,##0.0;(#,##0.0);zero", "0 ft", "#.##", "#,##0.000000"}) {
    const double value = values[v % std::size(values)];
    const std::uint8_t locale = static_cast<std::uint8_t>(v);
    NumberSeed(
        "mask-" + std::to_string(n++), 2,
        [&](FuzzWriter &w) {
          w.F64(value);
          w.U8(locale);
          w.U16(static_cast<std::uint16_t>(v % 4));
          w.U8(static_cast<std::uint8_t>(v % 2));
        },
        mask);
    ++v;
  }
  for (int decimals : {0, 2, 6, -3, 400}) {
    NumberSeed(
        "round-" + std::to_string(n++), 3,
        [&](FuzzWriter &w) {
          w.F64(2.675);
          w.I32(decimals);
          w.U8(1);
        },
        "");
  }
  for (int digits : {12, 3, 0}) {
    NumberSeed(
        "style-" + std::to_string(n++), 4,
        [&](FuzzWriter &w) {
          w.F64(12345.678);
          w.U16(static_cast<std::uint16_t>(digits));
          w.U16(2);
          w.U8(static_cast<std::uint8_t>(digits));
        },
        "");
  }
  for (const char *keys : {"1,234.5-", "-12.5", "12..3", "1.234,5"}) {
    NumberSeed(
        "typing-" + std::to_string(n++), 5, [&](FuzzWriter &w) { w.U8(n % 3); }, keys);
  }
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_fuzz_seeds FOLDER CHEMICAL-LIST\n");
    return 2;
  }
  try {
    root = argv[1];
    Scenarios(argv[2]);
    Chemicals(argv[2]);
    Grids();
    NumberTexts();
  } catch (const std::exception &e) {
    std::fprintf(stderr, "make_fuzz_seeds: %s\n", e.what());
    return 1;
  }
  return 0;
}
