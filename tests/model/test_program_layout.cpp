// Where the program reads and writes: the user's folders from the
// environment, the build tree's and the installed layout, and the first-use
// copy of the chemical list.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "program_layout.h"
#include "recent_files.h"

namespace lumo::platform {
namespace {

namespace fs = std::filesystem;

struct Scratch {
  fs::path root;
  Scratch() {
    std::string tmpl = (fs::temp_directory_path() / "lumo-layout-XXXXXX").string();
    root = ::mkdtemp(tmpl.data());
  }
  ~Scratch() { fs::remove_all(root); }
  std::string Make(const std::string &rel, const std::string &text = "x") {
    const fs::path p = root / rel;
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
    return p.string();
  }
  std::string Path(const std::string &rel) const { return (root / rel).string(); }
};

UserFolders FoldersOf(const std::map<std::string, std::string> &env) {
  return UserFoldersFromEnvironment([&](const char *name) -> const char * {
    auto it = env.find(name);
    return it == env.end() ? nullptr : it->second.c_str();
  });
}

std::string Read(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(UserFolders, FollowTheXdgVariablesWithTheirDefaultsUnderHome) {
  const UserFolders defaults = FoldersOf({{"HOME", "/home/ann/"}});
  EXPECT_EQ(defaults.home, "/home/ann");
  EXPECT_EQ(defaults.dataHome, "/home/ann/.local/share");
  EXPECT_EQ(defaults.stateHome, "/home/ann/.local/state");
  EXPECT_EQ(defaults.configHome, "/home/ann/.config");
  EXPECT_EQ(defaults.documents, "/home/ann/Documents");

  // Set variables win; an empty or relative one is ignored, as the rules say.
  const UserFolders set = FoldersOf({{"HOME", "/home/ann"},
                                     {"XDG_DATA_HOME", "/data"},
                                     {"XDG_STATE_HOME", "relative/state"},
                                     {"XDG_CONFIG_HOME", ""}});
  EXPECT_EQ(set.dataHome, "/data");
  EXPECT_EQ(set.stateHome, "/home/ann/.local/state");
  EXPECT_EQ(set.configHome, "/home/ann/.config");
}

TEST(UserFolders, DocumentsComeFromUserDirsWithHomeExpanded) {
  Scratch s;
  const std::string home = s.Path("home");
  s.Make("config/user-dirs.dirs",
         "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
         "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
  EXPECT_EQ(FoldersOf({{"HOME", home}, {"XDG_CONFIG_HOME", s.Path("config")}}).documents,
            home + "/Dokumente");
  // "$HOME/" alone means the folder is not set: the default is used.
  s.Make("config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/\"\n");
  EXPECT_EQ(FoldersOf({{"HOME", home}, {"XDG_CONFIG_HOME", s.Path("config")}}).documents,
            home + "/Documents");
}

TEST(ProgramLayout, TheBuildTreeKeepsEverythingInItsFolder) {
  Scratch s;
  s.Make("bin/liblumo32.so");
  const UserFolders user = FoldersOf({{"HOME", s.Path("home")}});
  const ProgramLayout l = LayoutFor(s.Path("bin"), user, {"../lib/lumo", "../share/lumo"});
  EXPECT_FALSE(l.installed);
  EXPECT_FALSE(l.userFolders);
  EXPECT_EQ(l.engineDirectory, s.Path("bin"));
  EXPECT_EQ(l.chemicalList, s.Path("bin/Chems.dat"));
  EXPECT_EQ(l.EmissionDump(), s.Path("bin/emission.csv"));
  EXPECT_EQ(l.StartupScenario(), s.Path("bin/lumo.vkx"));
  EXPECT_EQ(l.HelpDirectory(), s.Path("bin/help"));
  EXPECT_EQ(l.configDirectory, s.Path("home/.config/lumo"));
}

TEST(ProgramLayout, AnInstallationIsNeverWrittenEvenWhenItsFoldersAreWritable) {
  Scratch s;
  s.Make("usr/lib/x86_64-linux-gnu/lumo/liblumo32.so");
  s.Make("usr/share/lumo/Chems.dat");
  fs::create_directories(s.Path("usr/bin"));
  const UserFolders user = FoldersOf({{"HOME", s.Path("home")}});
  const ProgramLayout l =
      LayoutFor(s.Path("usr/bin"), user, {"../lib/x86_64-linux-gnu/lumo", "../share/lumo"});
  EXPECT_TRUE(l.installed);
  EXPECT_TRUE(l.userFolders);  // the folders are writable here (and to root)
  EXPECT_EQ(l.EngineLibrary(), s.Path("usr/lib/x86_64-linux-gnu/lumo/liblumo32.so"));
  EXPECT_EQ(l.dataDirectory, s.Path("usr/share/lumo"));
  EXPECT_EQ(l.HelpDirectory(), s.Path("usr/share/lumo/help"));
  EXPECT_EQ(l.shippedChemicalList, s.Path("usr/share/lumo/Chems.dat"));
  EXPECT_EQ(l.chemicalList, s.Path("home/.local/share/lumo/Chems.dat"));
  EXPECT_EQ(l.InputDump(), s.Path("home/.local/state/lumo/xferlumo32.txt"));
  EXPECT_EQ(l.StartupScenario(), s.Path("home/Documents/lumo.vkx"));
  // Until the copy exists the shipped list is read.
  EXPECT_EQ(l.ChemicalListToRead(), l.shippedChemicalList);
}

TEST(ProgramLayout, AReadOnlyBuildTreeUsesTheUsersFolders) {
  Scratch s;
  s.Make("bin/liblumo32.so");
  const auto check = [&](const ProgramLayout &l) {
    EXPECT_FALSE(l.installed);
    EXPECT_TRUE(l.userFolders);
    EXPECT_EQ(l.engineDirectory, s.Path("bin"));
    EXPECT_EQ(l.EmissionDump(), s.Path("home/.local/state/lumo/emission.csv"));
  };
  std::string asked;
  check(LayoutFor(s.Path("bin"), FoldersOf({{"HOME", s.Path("home")}}), BuiltInstallFolders(),
                  [&](const std::string &folder) {
                    asked = folder;
                    return false;
                  }));
  EXPECT_EQ(asked, s.Path("bin"));
  // The system's own answer, where it can say no (the superuser may write
  // into a folder without write permission).
  fs::permissions(s.Path("bin"), fs::perms::owner_write, fs::perm_options::remove);
  if (::geteuid() != 0)
    check(LayoutFor(s.Path("bin"), FoldersOf({{"HOME", s.Path("home")}}), BuiltInstallFolders()));
  fs::permissions(s.Path("bin"), fs::perms::owner_write, fs::perm_options::add);
}

TEST(ProgramLayout, TheChemicalListIsCopiedOnceAndTheUsersEditsAreKept) {
  Scratch s;
  s.Make("usr/lib/lumo/liblumo32.so");
  const std::string shipped = s.Make("usr/share/lumo/Chems.dat", "shipped list\r\n");
  fs::create_directories(s.Path("usr/bin"));
  const ProgramLayout l = LayoutFor(s.Path("usr/bin"), FoldersOf({{"HOME", s.Path("home")}}),
                                    {"../lib/lumo", "../share/lumo"});

  EXPECT_TRUE(PrepareUserFolders(l).empty());
  EXPECT_EQ(Read(l.chemicalList), "shipped list\r\n");
  EXPECT_TRUE(fs::is_directory(l.diagnosticsDirectory));
  EXPECT_TRUE(fs::is_directory(l.scenarioDirectory));
  EXPECT_EQ(l.ChemicalListToRead(), l.chemicalList);

  // The next start must not put the shipped list back over the user's.
  std::ofstream(l.chemicalList, std::ios::binary) << "user's list\r\n";
  EXPECT_TRUE(PrepareUserFolders(l).empty());
  EXPECT_EQ(Read(l.chemicalList), "user's list\r\n");
  EXPECT_EQ(Read(shipped), "shipped list\r\n");
}

TEST(ProgramLayout, AFolderThatCannotBeMadeIsReportedByName) {
  Scratch s;
  s.Make("usr/lib/lumo/liblumo32.so");
  s.Make("usr/share/lumo/Chems.dat");
  s.Make("home/.local/state", "a file where the folder should be");
  fs::create_directories(s.Path("usr/bin"));
  const ProgramLayout l = LayoutFor(s.Path("usr/bin"), FoldersOf({{"HOME", s.Path("home")}}),
                                    {"../lib/lumo", "../share/lumo"});
  const auto problems = PrepareUserFolders(l);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find(s.Path("home/.local/state/lumo")), std::string::npos) << problems[0];
}

TEST(RecentFiles, NewestFirstEachOnceAtMostTheLimit) {
  std::vector<std::string> list;
  for (int i = 0; i < 10; ++i) list = WithRecentFile(list, "/f" + std::to_string(i), 8);
  ASSERT_EQ(list.size(), 8u);
  EXPECT_EQ(list.front(), "/f9");
  EXPECT_EQ(list.back(), "/f2");
  list = WithRecentFile(list, "/f5", 8);
  EXPECT_EQ(list.size(), 8u);
  EXPECT_EQ(list[0], "/f5");
  EXPECT_EQ(list[1], "/f9");
  EXPECT_EQ(std::count(list.begin(), list.end(), "/f5"), 1);
  EXPECT_EQ(WithoutRecentFile({"/a", "", "/b", "/a"}, "/a"), std::vector<std::string>{"/b"});
}

}  // namespace
}  // namespace lumo::platform
