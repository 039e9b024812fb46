// The chemical list "Chems.dat": the chemicals a scenario can use, each with
// its molecular weight and vapour pressure.
//
// File layout (lines end in CR LF; the reader also takes bare LF):
//   line 1       number of comment lines that follow (the program writes 7)
//   comments     that many lines, skipped on reading
//   next line    number of chemicals N
//   N lines      molecular weight, blanks, vapour pressure, blanks, name
//
// The reader does not depend on column positions; names are trimmed of
// leading and trailing blanks, then cut to 255 characters (UTF-8, never
// inside a character), and compared exactly (letter case included).
// Molecular weight and vapour pressure must be positive. Numbers keep the
// file's fixed layout whenever it holds them exactly and are otherwise
// written in their shortest exact form, so every value reads back as it was
// written, whatever the locale.
// Every change is written to the file at once and followed by a fresh read,
// so the list in memory always equals the file. Every rewrite goes through a
// temporary file and a rename, so a failed write never leaves a truncated
// list behind.
#pragma once

#include <string>
#include <vector>

namespace lumo {

// One chemical as held in memory.
struct TChemicalRecord {
  std::string name;              // UTF-8, at most 255 characters, trimmed
  double molecularWeight = 0.0;  // g/mole
  double vaporPressure = 0.0;    // torr
};

class TFileChemical {
 public:
  // The longest name the file can hold, in characters.
  static constexpr std::size_t kMaxNameLength = 255;

  // Stores the path; reads the file when it exists.
  explicit TFileChemical(std::string fileName);

  // Reads the whole file. False when it does not exist or cannot be read as
  // a chemical list (a number that does not read, or a molecular weight or
  // vapour pressure that is not positive); the list in memory is then left
  // as it was and LastError() says why (with the line number for a format
  // error).
  bool LoadFile();

  // Index of the first chemical whose name equals `name` exactly, or -1.
  int IndexOfName(const std::string &name) const;
  // Copies chemical `index`; false when there is no such chemical.
  bool GetChemical(int index, TChemicalRecord &out) const;
  // Looks a chemical up by exact name; false when it is not in the list.
  bool FindChemical(const std::string &name, TChemicalRecord &out) const;

  // Adds a chemical at the end of the file, re-reading the file first. False
  // when the (trimmed) name is empty, longer than 255 characters, holds a
  // line break or is already in the list, when a number is not finite and
  // positive, when the file exists but cannot be read as a chemical list (it
  // is left as it is), or when it cannot be written. A missing or empty file
  // is created anew. LastError() says why.
  bool AddChemical(const std::string &name, double molecularWeight, double vaporPressure);

  // Removes every chemical of that name from the file, re-reading the file
  // first. False when the name is not in the list, the file no longer exists
  // or it cannot be read or written.
  bool DeleteChemical(const std::string &name);

  // Rewrites the file from the list in memory. False on any write error.
  bool SaveFile();

  // Line 1 and the standard comment block, each line ended by CR LF.
  static std::string WriteHeader();

  int Count() const { return static_cast<int>(records_.size()); }
  const std::vector<TChemicalRecord> &Records() const { return records_; }
  const std::string &FileName() const { return fileName_; }
  // Why the last failed operation failed; empty after a success.
  const std::string &LastError() const { return lastError_; }

 private:
  bool ReadFile(std::string &text);
  bool Rewrite(const std::string &contents);

  std::string fileName_;
  std::vector<TChemicalRecord> records_;
  std::string lastError_;
};

}  // namespace lumo
