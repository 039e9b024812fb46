// Scenario files: the record in one file, the painting schedule in its
// companion (the same name with the last character replaced by "1").
// Opening checks both files completely before anything is replaced; saving
// replaces each file only by a complete new one.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include "lumo_state.h"
#include "platform.h"

namespace lumo {
namespace {

namespace fs = std::filesystem;

fs::path FsPath(const std::string &utf8) {
#ifdef _WIN32
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
#else
  return fs::path(utf8);
#endif
}

void CheckScenarioName(const std::string &name) {
  if (name.empty()) throw EScenarioName("No scenario file name was given");
  if (IsPathSeparator(name.back())) {
    throw EScenarioName("The scenario file name " + name + " names a folder, not a file");
  }
  if (name.back() == '1') {
    throw EScenarioName("The scenario file name " + name +
                        " ends in \"1\", so it would be its own schedule file; "
                        "choose a name that ends in another character");
  }
  if (!String255::Fits(name)) {
    throw EScenarioName("The scenario file name " + name +
                        " cannot be stored: it must be at most 255 characters of the "
                        "Western European (Windows-1252) character set");
  }
}

// The whole of a file that must be exactly `size` bytes long.
std::string ReadExactly(const std::string &path, std::size_t size) {
  std::error_code ec;
  fs::file_status st = fs::status(FsPath(path), ec);
  if (st.type() == fs::file_type::not_found) throw EFOpenError(path);
  if (ec) throw EReadError(path, ec.message());
  if (!fs::is_regular_file(st)) throw EReadError(path, "it is not a regular file");
  std::ifstream in(FsPath(path), std::ios::binary);
  if (!in) throw EReadError(path, std::strerror(errno));
  std::string bytes(size + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) throw EInOutError(path, "it could not be read to its end");
  auto got = static_cast<std::size_t>(in.gcount());
  if (got != size) {
    throw EInOutError(path, (got < size ? "it is only " + std::to_string(got) + " bytes long"
                                        : std::string("it is longer")) +
                                "; the file must be exactly " + std::to_string(size) + " bytes");
  }
  bytes.resize(size);
  return bytes;
}

// The current contents of a regular file, when there is one to put back
// (files larger than any scenario file by far are not kept).
std::optional<std::string> ExistingContents(const std::string &path) {
  std::error_code ec;
  if (!fs::is_regular_file(FsPath(path), ec)) return std::nullopt;
  if (fs::file_size(FsPath(path), ec) > (std::uintmax_t{1} << 24) || ec) return std::nullopt;
  std::ifstream in(FsPath(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

void Replace(const std::string &path, const std::string &bytes) {
  try {
    platform::ReplaceFileContents(path, bytes);
  } catch (const platform::FileError &e) {
    throw EWriteError(e.what());
  }
}

}  // namespace

std::string CompanionFileName(const std::string &name) {
  if (name.empty()) return {};
  // The last character, which in UTF-8 may take several bytes.
  std::size_t last = name.size() - 1;
  while (last > 0 && (static_cast<unsigned char>(name[last]) & 0xC0) == 0x80) --last;
  return name.substr(0, last) + "1";
}

std::string DefaultScenarioFileName() {
  const std::string kName = "lumo.vkx";
  std::string dir = GetExecDirectory(platform::ExecutablePath());
  if (dir.empty()) return kName;
  std::string full = dir + platform::PathSeparator() + kName;
  return String255::Fits(full) ? full : kName;
}

void TLumoState::SaveState(const std::string &name) {
  CheckScenarioName(name);
  const std::string companion = CompanionFileName(name);

  lumo::ScenarioRecord record = ScenarioRecord;
  record.ZeroPadding();
  std::string recordBytes(sizeof record, '\0');
  std::memcpy(recordBytes.data(), &record, sizeof record);
  std::string gridBytes(sizeof(lumo::PaintDurationGrid), '\0');
  std::memcpy(gridBytes.data(), grid_.get(), gridBytes.size());

  // If the schedule cannot be written, the scenario file written just before
  // is put back as it was, so the pair on disk always belongs together.
  const std::optional<std::string> previous = ExistingContents(name);
  Replace(name, recordBytes);
  try {
    Replace(companion, gridBytes);
  } catch (const EWriteError &e) {
    std::error_code ec;
    bool restored = false;
    try {
      if (previous) {
        platform::ReplaceFileContents(name, *previous);
      } else {
        fs::remove(FsPath(name), ec);
      }
      restored = !ec;
    } catch (const platform::FileError &) {
    }
    throw EWriteError(
        std::string(e.what()) +
        (restored ? "; the scenario file " + name + " was left as it was"
                  : "; the scenario file " + name + " was written but its schedule file was not"));
  }
  ScenarioRecord.ScenarioFileName.SetText(name);
}

void TLumoState::GetState(const std::string &name) {
  CheckScenarioName(name);
  const std::string companion = CompanionFileName(name);

  // Both files must be there before either is read.
  std::error_code ec;
  if (fs::status(FsPath(companion), ec).type() == fs::file_type::not_found) {
    throw EFOpenError(companion);
  }
  if (fs::status(FsPath(name), ec).type() == fs::file_type::not_found) {
    throw EFOpenError(name);
  }
  const std::string recordBytes = ReadExactly(name, sizeof(lumo::ScenarioRecord));
  const std::string gridBytes = ReadExactly(companion, sizeof(lumo::PaintDurationGrid));

  lumo::ScenarioRecord record;
  std::memcpy(&record, recordBytes.data(), sizeof record);
  record.ZeroPadding();
  record.ScenarioFileName.SetText(name);  // checked by CheckScenarioName
  auto grid = std::make_unique<lumo::PaintDurationGrid>();
  std::memcpy(static_cast<void *>(grid.get()), gridBytes.data(), gridBytes.size());

  // Nothing below can fail: the record and the schedule change together.
  ScenarioRecord = record;
  grid_ = std::move(grid);
}

std::string CSVFileName(const std::string &scenarioFileName) {
  std::string name = scenarioFileName;
  std::size_t fileStart = 0;
  for (std::size_t i = name.size(); i > 0; --i) {
    if (IsPathSeparator(name[i - 1])) {
      fileStart = i;
      break;
    }
  }
  std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot >= fileStart) name.resize(dot);
  name += ".CSV";
  return name;
}

const char *TLumoState::GetCSVName() {
  const std::string name = CSVFileName(ScenarioRecord.ScenarioFileName.Text());
  // A stored name is at most 255 characters of at most 3 UTF-8 bytes each,
  // so it always fits; the limit only guards the copy.
  std::size_t n = std::min(name.size(), csvName_.size() - 1);
  std::memcpy(csvName_.data(), name.data(), n);
  csvName_[n] = '\0';
  return csvName_.data();
}

}  // namespace lumo
