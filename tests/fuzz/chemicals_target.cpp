// Fuzz target: the chemical list file. The input is the file's bytes; the
// list is read as the program reads it and, when it reads, written back and
// read again as the chemical list editor does.
//
// Checked: a list that reads holds trimmed names of at most 255 characters
// and finite numbers; a failed read names why and leaves the list as it
// was; saving what was read and reading it again gives the same names and
// numbers equal to the written precision (15 significant digits for the
// molecular weight, 8 decimals for the vapour pressure), and a second save
// changes nothing more; deleting a chemical removes every entry of that
// name and nothing else, and adding it back finds it under its name.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "chemical_file.h"
#include "fuzz_support.h"
#include "pascal_string.h"

namespace {

using namespace lumo;
using namespace lumo::fuzz;

bool Blank(char c) {
  return c == ' ' || c == '\t';
}

void CheckRecords(const TFileChemical &list) {
  for (const TChemicalRecord &r : list.Records()) {
    Require(Utf8Length(r.name) <= TFileChemical::kMaxNameLength,
            "a name has at most 255 characters");
    Require(r.name.empty() || (!Blank(r.name.front()) && !Blank(r.name.back())),
            "a name is trimmed");
    Require(std::isfinite(r.molecularWeight) && std::isfinite(r.vaporPressure),
            "the numbers are finite");
  }
}

bool SameNumbers(const TChemicalRecord &a, const TChemicalRecord &b) {
  const double weightTolerance = std::fabs(a.molecularWeight) * 1e-14;
  const double pressureTolerance = 0.51e-8 + std::fabs(a.vaporPressure) * 1e-15;
  return std::fabs(a.molecularWeight - b.molecularWeight) <= weightTolerance &&
         std::fabs(a.vaporPressure - b.vaporPressure) <= pressureTolerance;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  static const std::string path = ScratchFile("Chems.dat");
  WriteWholeFile(path, std::string(reinterpret_cast<const char *>(data), size));

  TFileChemical list(path);
  const std::vector<TChemicalRecord> before = list.Records();
  if (!list.LoadFile()) {
    Require(!list.LastError().empty(), "a list that does not read says why");
    Require(list.Count() == 0, "a list that does not read is not taken");
    return 0;
  }
  CheckRecords(list);
  Require(list.Records().size() == before.size(), "reading twice gives the same list");

  const std::vector<TChemicalRecord> read = list.Records();
  Require(list.SaveFile(), "the list can be saved");
  Require(list.LoadFile(), "a saved list reads");
  const std::vector<TChemicalRecord> saved = list.Records();
  Require(saved.size() == read.size(), "saving keeps every chemical");
  for (std::size_t i = 0; i < read.size(); ++i) {
    Require(saved[i].name == read[i].name, "saving keeps the names");
    Require(SameNumbers(read[i], saved[i]), "saving keeps the numbers to the written digits");
  }
  Require(list.SaveFile() && list.LoadFile(), "a saved list saves and reads again");
  for (std::size_t i = 0; i < saved.size(); ++i) {
    Require(list.Records()[i].name == saved[i].name &&
                list.Records()[i].molecularWeight == saved[i].molecularWeight &&
                list.Records()[i].vaporPressure == saved[i].vaporPressure,
            "a second save changes nothing");
  }

  if (saved.empty()) return 0;
  const TChemicalRecord first = saved.front();
  std::size_t others = 0;
  for (const TChemicalRecord &r : saved) others += r.name != first.name;
  Require(list.DeleteChemical(first.name), "a listed chemical can be deleted");
  Require(list.Count() == static_cast<int>(others) && list.IndexOfName(first.name) < 0,
          "deleting removes every entry of the name and nothing else");
  // A chemical needs a name, on one line, to be added.
  if (first.name.empty() || first.name.find('\r') != std::string::npos) return 0;
  Require(list.AddChemical(first.name, first.molecularWeight, first.vaporPressure),
          "a deleted chemical can be added back");
  TChemicalRecord found;
  Require(list.FindChemical(first.name, found), "an added chemical is found under its name");
  Require(SameNumbers(first, found), "an added chemical keeps its numbers");
  return 0;
}
