// Where the program finds what it ships with and where it writes.
//
// Two layouts are known. In the build tree everything lies in one folder: the
// programs, the engine library, the chemical list, the help documents and the
// default scenarios; the program writes there too (the diagnostic files, the
// start-up scenario's folder, the chemical list) as long as that folder is
// writable. An installed program has its engine in a private library folder
// and its data in a shared data folder, both found relative to the program's
// own folder; it never writes into its installation, whatever the
// permissions say (an administrator may write anywhere), and uses the user's
// folders instead:
//   the chemical list    $XDG_DATA_HOME/lumo/Chems.dat (copied from the
//                        shipped list on first use; the shipped one is only
//                        read)
//   diagnostic files     $XDG_STATE_HOME/lumo (emission.csv, xferlumo32.txt)
//   start-up scenario    the documents folder (lumo.vkx; File dialogs start
//                        there)
//   settings             $XDG_CONFIG_HOME/lumo (both layouts)
// Plain C++: the batch runner uses it without Qt; the desktop program replaces
// the documents folder with the one Qt reports.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace lumo::platform {

// The user's base folders, as the XDG base directory rules give them: an
// unset, empty or relative variable falls back to its default under HOME.
struct UserFolders {
  std::string home;
  std::string dataHome;    // XDG_DATA_HOME, default ~/.local/share
  std::string stateHome;   // XDG_STATE_HOME, default ~/.local/state
  std::string configHome;  // XDG_CONFIG_HOME, default ~/.config
  std::string documents;   // XDG_DOCUMENTS_DIR of user-dirs.dirs, default ~/Documents
};

// Reads the folders from the environment through `getenv` (the process's
// environment by default). HOME, when unset, comes from the password
// database.
using EnvironmentReader = std::function<const char *(const char *)>;
UserFolders UserFoldersFromEnvironment(const EnvironmentReader &getenv = {});

// Where the installed engine and data lie relative to the program's folder
// (from the build's install folders, e.g. "../lib/x86_64-linux-gnu/lumo").
struct InstallFolders {
  std::string engine;
  std::string data;
};
InstallFolders BuiltInstallFolders();

struct ProgramLayout {
  bool installed = false;            // the installed layout (engine and data apart)
  bool userFolders = false;          // writes go to the user's folders
  std::string programDirectory;      // the running program's folder
  std::string engineDirectory;       // holds the engine library
  std::string dataDirectory;         // Chems.dat as shipped, help/, default scenarios
  std::string shippedChemicalList;   // only read
  std::string chemicalList;          // the list the program reads and the editor saves
  std::string diagnosticsDirectory;  // emission.csv and xferlumo32.txt
  std::string scenarioDirectory;     // the start-up scenario; File dialogs start here
  std::string configDirectory;       // settings (recent files, window geometry)

  std::string StartupScenario() const;  // scenarioDirectory/lumo.vkx
  std::string EngineLibrary() const;    // engineDirectory/liblumo32.so
  std::string EmissionDump() const;     // diagnosticsDirectory/emission.csv
  std::string InputDump() const;        // diagnosticsDirectory/xferlumo32.txt
  std::string HelpDirectory() const;    // dataDirectory/help
  std::string SettingsFile() const;     // configDirectory/lumo.conf
  // The chemical list to read: the user's, or the shipped one while the
  // user has none (it could not be copied).
  std::string ChemicalListToRead() const;
};

// The layout of a program whose file lies in `programDirectory`: the build
// tree's when the engine library lies beside it, the installed one when it
// lies at `install.engine` (relative to that folder), otherwise the build
// tree's (a missing engine is reported when it is loaded, naming the folder).
// `writable` tells whether the build tree's folder may be written (by
// default: the system's answer for this process, which for the superuser is
// nearly always yes).
ProgramLayout LayoutFor(const std::string &programDirectory, const UserFolders &user,
                        const InstallFolders &install,
                        const std::function<bool(const std::string &)> &writable = {});

// Everything in one folder, written there too: the build tree's layout
// without looking at permissions. Settings are kept in that folder as well.
ProgramLayout LayoutInOneFolder(const std::string &folder);

// The running program's layout, worked out at the first call from its own
// location and the environment.
const ProgramLayout &RunningProgramLayout();

// Creates the user's folders the layout writes to and copies the shipped
// chemical list to the user's on first use. Does nothing for a layout that
// writes into the program's folder. Returns what could not be done (one line
// each); later writes report their own failures naming the file.
std::vector<std::string> PrepareUserFolders(const ProgramLayout &layout);

// The locations, one "what: where" line each, as `--paths` prints them and
// the About box shows them.
std::vector<std::string> DescribeLayout(const ProgramLayout &layout);

}  // namespace lumo::platform
