#include "program_layout.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform.h"

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

#ifndef LUMO_INSTALL_ENGINE_DIR
#define LUMO_INSTALL_ENGINE_DIR "../lib/lumo"
#endif
#ifndef LUMO_INSTALL_DATA_DIR
#define LUMO_INSTALL_DATA_DIR "../share/lumo"
#endif

namespace lumo::platform {

namespace fs = std::filesystem;

namespace {

const char *const kFolderName = "lumo";

std::string Join(const std::string &folder, const std::string &name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + '/' + name;
}

std::string Normal(const std::string &path) {
  std::string s = fs::path(path).lexically_normal().string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

// An XDG variable counts only when it holds an absolute path.
std::string XdgFolder(const EnvironmentReader &getenv, const char *name, const std::string &home,
                      const char *fallback) {
  const char *value = getenv(name);
  if (value && value[0] == '/') return Normal(value);
  return Join(home, fallback);
}

std::string HomeFolder(const EnvironmentReader &getenv) {
  const char *home = getenv("HOME");
  if (home && home[0]) return Normal(home);
#ifndef _WIN32
  if (const passwd *pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
#endif
  return "/";
}

// XDG_DOCUMENTS_DIR="$HOME/Documents" in user-dirs.dirs (shell syntax, only
// $HOME expanded); a value that is not absolute after the expansion, or the
// home folder itself, means "not set".
std::string DocumentsFolder(const std::string &configHome, const std::string &home) {
  std::ifstream in(Join(configHome, "user-dirs.dirs"));
  std::string line;
  const std::string key = "XDG_DOCUMENTS_DIR=";
  while (std::getline(in, line)) {
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line.compare(start, key.size(), key) != 0) continue;
    std::string value = line.substr(start + key.size());
    while (!value.empty() && (value.back() == '\r' || value.back() == ' ')) value.pop_back();
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') break;
    value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
    if (!value.empty() && value[0] == '/' && Normal(value) != Normal(home)) return Normal(value);
    break;
  }
  return Join(home, "Documents");
}

bool FolderWritable(const std::string &folder) {
#ifndef _WIN32
  return ::access(folder.c_str(), W_OK) == 0;
#else
  std::error_code ec;
  return fs::is_directory(folder, ec);
#endif
}

bool Exists(const std::string &path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

}  // namespace

UserFolders UserFoldersFromEnvironment(const EnvironmentReader &reader) {
  const EnvironmentReader getenv =
      reader ? reader : EnvironmentReader([](const char *name) { return std::getenv(name); });
  UserFolders f;
  f.home = HomeFolder(getenv);
  f.dataHome = XdgFolder(getenv, "XDG_DATA_HOME", f.home, ".local/share");
  f.stateHome = XdgFolder(getenv, "XDG_STATE_HOME", f.home, ".local/state");
  f.configHome = XdgFolder(getenv, "XDG_CONFIG_HOME", f.home, ".config");
  f.documents = DocumentsFolder(f.configHome, f.home);
  return f;
}

InstallFolders BuiltInstallFolders() {
  return {LUMO_INSTALL_ENGINE_DIR, LUMO_INSTALL_DATA_DIR};
}

std::string ProgramLayout::StartupScenario() const {
  return Join(scenarioDirectory, "lumo.vkx");
}
std::string ProgramLayout::EngineLibrary() const {
  return Join(engineDirectory, EngineLibraryFileName());
}
std::string ProgramLayout::EmissionDump() const {
  return Join(diagnosticsDirectory, "emission.csv");
}
std::string ProgramLayout::InputDump() const {
  return Join(diagnosticsDirectory, "xferlumo32.txt");
}
std::string ProgramLayout::HelpDirectory() const {
  return Join(dataDirectory, "help");
}

std::string ProgramLayout::SettingsFile() const {
  return Join(configDirectory, "lumo.conf");
}

std::string ProgramLayout::ChemicalListToRead() const {
  return Exists(chemicalList) ? chemicalList : shippedChemicalList;
}

ProgramLayout LayoutInOneFolder(const std::string &folder) {
  ProgramLayout l;
  l.programDirectory = l.engineDirectory = l.dataDirectory = folder;
  l.diagnosticsDirectory = l.scenarioDirectory = l.configDirectory = folder;
  l.shippedChemicalList = l.chemicalList = Join(folder, "Chems.dat");
  return l;
}

ProgramLayout LayoutFor(const std::string &programDirectory, const UserFolders &user,
                        const InstallFolders &install,
                        const std::function<bool(const std::string &)> &writable) {
  const std::string engineFile = EngineLibraryFileName();
  const std::string installedEngine = Normal(Join(programDirectory, install.engine));
  ProgramLayout l = LayoutInOneFolder(programDirectory);
  l.configDirectory = Join(user.configHome, kFolderName);
  if (!Exists(Join(programDirectory, engineFile)) && Exists(Join(installedEngine, engineFile))) {
    l.installed = true;
    l.engineDirectory = installedEngine;
    l.dataDirectory = Normal(Join(programDirectory, install.data));
    l.shippedChemicalList = Join(l.dataDirectory, "Chems.dat");
  }
  // An installation is never written to; the build tree while it can be.
  l.userFolders =
      l.installed || !(writable ? writable(programDirectory) : FolderWritable(programDirectory));
  if (l.userFolders) {
    l.chemicalList = Join(Join(user.dataHome, kFolderName), "Chems.dat");
    l.diagnosticsDirectory = Join(user.stateHome, kFolderName);
    l.scenarioDirectory = user.documents;
  }
  return l;
}

const ProgramLayout &RunningProgramLayout() {
  static const ProgramLayout layout =
      LayoutFor(ExecutableDirectory(), UserFoldersFromEnvironment(), BuiltInstallFolders());
  return layout;
}

std::vector<std::string> PrepareUserFolders(const ProgramLayout &layout) {
  std::vector<std::string> problems;
  if (!layout.userFolders) return problems;
  auto makeFolder = [&](const std::string &folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) problems.push_back("Could not create the folder " + folder + ": " + ec.message());
  };
  makeFolder(layout.diagnosticsDirectory);
  makeFolder(layout.scenarioDirectory);
  makeFolder(fs::path(layout.chemicalList).parent_path().string());
  if (!Exists(layout.chemicalList) && Exists(layout.shippedChemicalList)) {
    // Copied through a temporary file, so that a failed copy leaves no
    // half list behind for the next start to take as the user's.
    std::ifstream in(layout.shippedChemicalList, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad()) {
      problems.push_back("Could not read the shipped chemical list " + layout.shippedChemicalList);
      return problems;
    }
    try {
      ReplaceFileContents(layout.chemicalList, bytes);
    } catch (const FileError &e) {
      problems.push_back(e.what());
    }
  }
  return problems;
}

std::vector<std::string> DescribeLayout(const ProgramLayout &l) {
  std::vector<std::string> lines;
  lines.push_back("Program folder: " + l.programDirectory +
                  (l.installed ? " (installed)" : " (all files in one folder)"));
  lines.push_back("Engine library: " + l.EngineLibrary());
  lines.push_back("Help documents and default scenarios: " + l.dataDirectory);
  lines.push_back("Chemical list (read and edited): " + l.chemicalList);
  if (l.shippedChemicalList != l.chemicalList)
    lines.push_back("Chemical list as shipped (copied on first use): " + l.shippedChemicalList);
  lines.push_back("Start-up scenario: " + l.StartupScenario());
  lines.push_back("Diagnostic files: " + l.EmissionDump() + ", " + l.InputDump());
  lines.push_back("Settings: " + l.SettingsFile());
  return lines;
}

}  // namespace lumo::platform
