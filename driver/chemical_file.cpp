#include "chemical_file.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>

#include "pascal_string.h"
#include "platform.h"

namespace lumo {

namespace {

constexpr const char *kEol = "\r\n";

// The blanks between the three fields of a chemical line; the three writers
// of the file space them differently.
struct LineSpacing {
  int afterWeight;
  int afterPressure;
};
constexpr LineSpacing kSaveSpacing{1, 5};
constexpr LineSpacing kCopiedSpacing{2, 4};
constexpr LineSpacing kNewSpacing{1, 3};

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string Trim(const std::string &s) {
  std::size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// Names are UTF-8; the limit counts characters, and a name cut to it ends
// on a whole character.
std::string LimitName(const std::string &trimmed) {
  if (Utf8Length(trimmed) <= TFileChemical::kMaxNameLength) return trimmed;
  return Trim(Utf8Prefix(trimmed, TFileChemical::kMaxNameLength));
}

// The numbers are written and read the same way whatever the C locale of
// the process (a desktop program runs in the user's locale, where the
// decimal mark may be a comma).
std::optional<double> ReadDouble(std::string_view text) {
  if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+') {
    text.remove_prefix(1);
  }
  double v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) {
    return std::nullopt;
  }
  return v;
}

bool ReadsBackAs(const std::string &text, double v) {
  const auto back = ReadDouble(Trim(text));
  return back && *back == v;
}

// `chars` as the file writes a scientific number: upper-case "E", the
// exponent's sign and at least four exponent digits.
std::string FileExponent(std::string chars) {
  const auto e = chars.find('e');
  if (e == std::string::npos) return chars;
  const char sign = chars[e + 1];
  std::string digits = chars.substr(e + 2);
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  return chars.substr(0, e) + 'E' + sign + digits;
}

std::string ToChars(double v, std::chars_format format, int precision = -1) {
  char buf[400];
  const auto result = precision < 0 ? std::to_chars(buf, buf + sizeof buf, v, format)
                                    : std::to_chars(buf, buf + sizeof buf, v, format, precision);
  return std::string(buf, result.ptr);
}

// `text` right-aligned in `width` characters (a longer text takes what it
// needs).
std::string RightAligned(std::string text, std::size_t width) {
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

// Molecular weight: sign or blank, one digit, 14 decimals, "E", the
// exponent's sign and four exponent digits (23 characters). A value that
// 15 digits do not hold exactly is written with the digits it needs.
std::string FormatMolecularWeight(double v) {
  const std::string text = (std::signbit(v) ? "-" : " ") +
                           FileExponent(ToChars(std::fabs(v), std::chars_format::scientific, 14));
  if (ReadsBackAs(text, v)) return text;
  return (std::signbit(v) ? "-" : " ") +
         FileExponent(ToChars(std::fabs(v), std::chars_format::scientific));
}

// Vapour pressure: fixed, eight decimals, right-aligned in 13 characters. A
// value that eight decimals do not hold exactly (1e-9 would read back as 0)
// is written in its shortest exact form, still right-aligned in 13.
std::string FormatVaporPressure(double v) {
  const std::string text = RightAligned(ToChars(v, std::chars_format::fixed, 8), 13);
  if (ReadsBackAs(text, v)) return text;
  return RightAligned(ToChars(v, std::chars_format::general), 13);
}

std::string FormatLine(const TChemicalRecord &r, LineSpacing spacing) {
  return FormatMolecularWeight(r.molecularWeight) + std::string(spacing.afterWeight, ' ') +
         FormatVaporPressure(r.vaporPressure) + std::string(spacing.afterPressure, ' ') + r.name +
         kEol;
}

bool FileExists(const std::string &path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Splits text into lines, accepting CR LF and bare LF endings.
std::vector<std::string> SplitLines(const std::string &text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

// Reads the next blank-separated token of `line` from `pos` on.
std::string NextToken(const std::string &line, std::size_t &pos) {
  while (pos < line.size() && IsBlank(line[pos])) ++pos;
  std::size_t start = pos;
  while (pos < line.size() && !IsBlank(line[pos])) ++pos;
  return line.substr(start, pos - start);
}

bool ParseCount(const std::string &line, long &out) {
  std::size_t pos = 0;
  std::string tok = NextToken(line, pos);
  if (tok.empty()) return false;
  char *end = nullptr;
  errno = 0;
  long v = std::strtol(tok.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || v < 0) return false;
  out = v;
  return true;
}

bool ParseReal(const std::string &tok, double &out) {
  if (tok.empty()) return false;
  // Only decimal notation: no hexadecimal, no "inf" or "nan".
  for (char c : tok) {
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == 'e' || c == 'E' ||
          c == '+' || c == '-'))
      return false;
  }
  const auto v = ReadDouble(tok);
  if (!v) return false;
  out = *v;
  return true;
}

std::string NumberText(double v) {
  if (!std::isfinite(v)) return std::isnan(v) ? "not a number" : v > 0 ? "infinite" : "-infinite";
  return ToChars(v, std::chars_format::general);
}

// Why a chemical's numbers cannot be used, or an empty text when they can.
// Both must be positive: a weight or pressure of zero or less has no
// physical meaning and would break the engine's arithmetic.
std::string NumbersProblem(double molecularWeight, double vaporPressure) {
  auto check = [](double v, const char *what, const char *unit) -> std::string {
    if (std::isfinite(v) && v > 0) return {};
    return std::string("the ") + what + " must be a positive number of " + unit + "; " +
           NumberText(v) + " is not";
  };
  std::string problem = check(molecularWeight, "molecular weight", "g/mole");
  if (problem.empty()) problem = check(vaporPressure, "vapour pressure", "torr");
  return problem;
}

// Parses the whole file; on failure `error` names the line and the cause.
bool ParseChemicalList(const std::string &text, std::vector<TChemicalRecord> &out,
                       std::string &error) {
  std::vector<std::string> lines = SplitLines(text);
  std::size_t at = 0;
  auto where = [&](std::size_t lineIndex) { return "line " + std::to_string(lineIndex + 1); };
  long comments = 0;
  if (lines.empty() || !ParseCount(lines[0], comments)) {
    error = "line 1 does not hold the number of comment lines";
    return false;
  }
  at = 1;
  if (static_cast<std::size_t>(comments) >= lines.size() - at) {
    error = "the file ends inside its comment block";
    return false;
  }
  at += static_cast<std::size_t>(comments);
  long count = 0;
  if (!ParseCount(lines[at], count)) {
    error = where(at) + " does not hold the number of chemicals";
    return false;
  }
  ++at;
  if (static_cast<std::size_t>(count) > lines.size() - at) {
    error = "the file lists fewer chemicals than its count (" + std::to_string(count) + ")";
    return false;
  }
  std::vector<TChemicalRecord> records;
  records.reserve(static_cast<std::size_t>(count));
  for (long i = 0; i < count; ++i, ++at) {
    const std::string &line = lines[at];
    std::size_t pos = 0;
    TChemicalRecord r;
    if (!ParseReal(NextToken(line, pos), r.molecularWeight)) {
      error = where(at) + " does not start with a molecular weight";
      return false;
    }
    if (!ParseReal(NextToken(line, pos), r.vaporPressure)) {
      error = where(at) + " does not hold a vapour pressure after the molecular weight";
      return false;
    }
    const std::string problem = NumbersProblem(r.molecularWeight, r.vaporPressure);
    if (!problem.empty()) {
      error = where(at) + ": " + problem;
      return false;
    }
    r.name = LimitName(Trim(line.substr(pos)));
    records.push_back(std::move(r));
  }
  out = std::move(records);
  return true;
}

}  // namespace

TFileChemical::TFileChemical(std::string fileName) : fileName_(std::move(fileName)) {
  if (FileExists(fileName_)) LoadFile();
}

bool TFileChemical::ReadFile(std::string &text) {
  if (!FileExists(fileName_)) {
    lastError_ = fileName_ + " Does not Exist";
    return false;
  }
  std::ifstream in(fileName_, std::ios::binary);
  std::ostringstream contents;
  contents << in.rdbuf();
  if (!in && !in.eof()) {
    lastError_ = "Could not read " + fileName_;
    return false;
  }
  text = contents.str();
  return true;
}

bool TFileChemical::LoadFile() {
  std::string text;
  if (!ReadFile(text)) return false;
  std::vector<TChemicalRecord> records;
  std::string error;
  if (!ParseChemicalList(text, records, error)) {
    lastError_ = fileName_ + ": " + error;
    return false;
  }
  records_ = std::move(records);
  lastError_.clear();
  return true;
}

int TFileChemical::IndexOfName(const std::string &name) const {
  for (std::size_t i = 0; i < records_.size(); ++i)
    if (records_[i].name == name) return static_cast<int>(i);
  return -1;
}

bool TFileChemical::GetChemical(int index, TChemicalRecord &out) const {
  if (index < 0 || index >= Count()) return false;
  out = records_[static_cast<std::size_t>(index)];
  return true;
}

bool TFileChemical::FindChemical(const std::string &name, TChemicalRecord &out) const {
  return GetChemical(IndexOfName(name), out);
}

std::string TFileChemical::WriteHeader() {
  std::string h = std::string("7") + kEol;
  h += std::string("*****************************************") + kEol;
  h += std::string("* DO NOT EDIT THIS FILE!                *") + kEol;
  h += std::string("* Editing May Cause File Corruption!    *") + kEol;
  h += std::string("* LUMO Chemical List                    *") + kEol;
  h += std::string("* Format:                               *") + kEol;
  h += std::string("* Molecular Wt VaporPressure Chem. Name *") + kEol;
  h += std::string("*****************************************") + kEol;
  return h;
}

bool TFileChemical::Rewrite(const std::string &contents) {
  try {
    platform::ReplaceFileContents(fileName_, contents);
  } catch (const platform::FileError &e) {
    lastError_ = e.what();
    return false;
  }
  return true;
}

bool TFileChemical::AddChemical(const std::string &name, double molecularWeight,
                                double vaporPressure) {
  // The name is stored as the reader will read it back: trimmed. A name the
  // file cannot hold on one line is refused rather than written damaged.
  TChemicalRecord added{Trim(name), molecularWeight, vaporPressure};
  if (added.name.empty()) {
    lastError_ = "A chemical needs a name";
    return false;
  }
  if (const std::size_t length = Utf8Length(added.name); length > kMaxNameLength) {
    lastError_ = "The name \"" + Utf8Prefix(added.name, 40) + "...\" is " + std::to_string(length) +
                 " characters long; a chemical name can have at most " +
                 std::to_string(kMaxNameLength) + " characters";
    return false;
  }
  if (added.name.find_first_of("\r\n") != std::string::npos) {
    lastError_ = "A chemical name cannot hold a line break";
    return false;
  }
  if (const std::string problem = NumbersProblem(molecularWeight, vaporPressure);
      !problem.empty()) {
    lastError_ = "For " + added.name + ", " + problem;
    return false;
  }
  // Start from what the file holds now: a chemical added by another program
  // since the last read stays, and a file that cannot be read is never
  // replaced by the shorter list held here. An empty file is an empty list.
  if (FileExists(fileName_)) {
    std::string text;
    if (!ReadFile(text)) return false;
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
      records_.clear();
    } else if (!LoadFile()) {
      return false;
    }
  }
  if (IndexOfName(added.name) >= 0) {
    lastError_ = "The chemical " + added.name + " is already in the list";
    return false;
  }
  std::string contents = WriteHeader() + std::to_string(records_.size() + 1) + kEol;
  for (const auto &r : records_) contents += FormatLine(r, kCopiedSpacing);
  contents += FormatLine(added, kNewSpacing);
  if (!Rewrite(contents)) return false;
  return LoadFile();
}

bool TFileChemical::DeleteChemical(const std::string &name) {
  if (IndexOfName(name) < 0) {
    lastError_ = "The chemical " + name + " is not in the list";
    return false;
  }
  if (!FileExists(fileName_)) {
    lastError_ = fileName_ + " Does not Exist";
    return false;
  }
  // Start from what the file holds now, not from the list in memory.
  if (!LoadFile()) return false;
  std::vector<TChemicalRecord> kept;
  for (auto &r : records_)
    if (r.name != name) kept.push_back(r);
  std::vector<TChemicalRecord> before = std::move(records_);
  records_ = std::move(kept);
  if (!SaveFile()) {
    records_ = std::move(before);
    return false;
  }
  return true;
}

bool TFileChemical::SaveFile() {
  std::string contents = WriteHeader() + std::to_string(records_.size()) + kEol;
  for (const auto &r : records_) contents += FormatLine(r, kSaveSpacing);
  return Rewrite(contents);
}

}  // namespace lumo
