// Scenario files: the byte image of both files, opening and its failures,
// saving and its failures, and the names derived from the scenario name.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "lumo_state.h"
#include "platform.h"

namespace lumo {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path &p) {
  std::ifstream in(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteAll(const fs::path &p, const std::string &bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

template <typename T>
T At(const std::string &bytes, std::size_t offset) {
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

std::string Bytes(const void *p, std::size_t n) {
  return std::string(static_cast<const char *>(p), n);
}

std::string RecordBytes(const TLumoState &s) {
  return Bytes(&s.ScenarioRecord, sizeof s.ScenarioRecord);
}
std::string GridBytes(const TLumoState &s) {
  return Bytes(&s.PaintDurationGrid(), sizeof(PaintDurationGrid));
}

class ScenarioFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("lumo_model_test_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string &name) const { return (dir_ / name).string(); }

  // A saved pair "<name>.vkx"/"<name>.vk1" of a scenario unlike the defaults.
  std::string SaveSample(const std::string &name, TLumoState &s) {
    s.ScenarioRecord.BldgVolume = 20000;
    s.ScenarioRecord.Title.SetText("Büro 2");
    s.SetPaintDurationGrid();
    std::string path = Path(name + ".vkx");
    s.ScenarioRecord.ScenarioFileName.SetText(path);
    s.SaveState(path);
    return path;
  }

  fs::path dir_;
};

TEST_F(ScenarioFile, SavedBytesLieAtTheirOffsetsAndReadBackExactly) {
  TLumoState s;
  s.SetPaintDurationGrid();
  auto &r = s.ScenarioRecord;
  r.Title.SetText("Büro");
  r.Notes.SetText("north wing");
  r.LADD = 1.5;
  r.C8hour = 2.5;
  std::memcpy(r.PaintDurationGrid, "\xDE\xAD\xBE\xEF", 4);
  r.Pad141[3] = 0x7F;  // stray padding is written as zero
  const std::string path = Path("office.vkx");
  r.ScenarioFileName.SetText(path);
  s.SaveState(path);

  const std::string rec = ReadAll(path);
  const std::string grid = ReadAll(Path("office.vk1"));
  ASSERT_EQ(rec.size(), 3192u);
  ASSERT_EQ(grid.size(), 102404u);
  EXPECT_EQ(At<std::int32_t>(rec, 0x004), 1);
  EXPECT_EQ(At<double>(rec, 0x008), 15583.0);
  EXPECT_EQ(rec.substr(0x010, 4),
            "\x03"
            "ft\xB3");
  EXPECT_EQ(At<double>(rec, 0x170), 0.29);
  EXPECT_EQ(rec[0x179], 0);  // Mon
  EXPECT_EQ(At<double>(rec, 0x190), 3451.63);
  EXPECT_EQ(rec.substr(0x140, 8), std::string(8, '\0'));
  EXPECT_EQ(At<double>(rec, 0x380), r.PrimerChemicalMass);
  EXPECT_EQ(At<std::int32_t>(rec, 0x408), 1);  // weekday pattern count
  EXPECT_EQ(At<double>(rec, 0x408 + 488), 13.3);
  EXPECT_EQ(rec.substr(0x918, 4), "\xDE\xAD\xBE\xEF");
  EXPECT_EQ(rec.substr(0x91D, 5),
            "\x04"
            "B\xFCro");
  EXPECT_EQ(rec.substr(0xA1D, 11), "\x0Anorth wing");
  EXPECT_EQ(At<std::int32_t>(rec, 0xB20), 5);
  EXPECT_EQ(At<std::int32_t>(rec, 0xB24), 60);
  EXPECT_EQ(rec.substr(0xB29, path.size()), path);
  EXPECT_EQ(At<double>(rec, 0xC28), 1.5);
  EXPECT_EQ(At<double>(rec, 0xC70), 2.5);

  // The schedule is stored column by column.
  EXPECT_EQ(At<std::int32_t>(grid, 0), 3);
  EXPECT_EQ(grid.substr(4 + 1 * 12800 + 0 * 16, 4), "\x03Mon");
  EXPECT_EQ(grid.substr(4 + 1 * 12800 + 2 * 16, 4), "\x03Tue");
  EXPECT_EQ(grid.substr(4 + 5 * 12800 + 1 * 16, 3),
            "\x02"
            "17");
  EXPECT_EQ(grid.substr(4 + 7 * 12800 + 2 * 16, 6),
            "\x05"
            "27.50");

  // Reading gives back every byte (padding as zero) and the opened name.
  TLumoState t;
  t.GetState(path);
  EXPECT_EQ(RecordBytes(t), rec);
  EXPECT_EQ(GridBytes(t), grid);
  EXPECT_EQ(t.ScenarioRecord.Title.Text(), "Büro");
}

TEST_F(ScenarioFile, OpeningAFileFromElsewhereTakesTheOpenedName) {
  TLumoState s;
  const std::string first = SaveSample("first", s);
  const std::string moved = Path("moved.vkx");
  fs::copy_file(first, moved);
  fs::copy_file(Path("first.vk1"), Path("moved.vk1"));
  TLumoState t;
  t.GetState(moved);
  EXPECT_EQ(t.ScenarioRecord.ScenarioFileName.Text(), moved);
  EXPECT_EQ(t.ScenarioRecord.BldgVolume, 20000.0);
  EXPECT_EQ(t.ScenarioRecord.Title.Text(), "Büro 2");
  EXPECT_EQ(t.PaintDurationGrid().Cell(1, 0), "Mon");
}

TEST_F(ScenarioFile, FailedOpeningsLeaveTheScenarioUntouched) {
  TLumoState saved;
  const std::string good = SaveSample("good", saved);
  const std::string goodGrid = ReadAll(Path("good.vk1"));
  const std::string goodRec = ReadAll(good);

  TLumoState s;
  s.ScenarioRecord.Title.SetText("unsaved work");
  s.SetPaintDurationGrid();
  const std::string rec = RecordBytes(s), grid = GridBytes(s);
  auto expectUntouched = [&] {
    EXPECT_EQ(RecordBytes(s), rec);
    EXPECT_EQ(GridBytes(s), grid);
  };
  auto pair = [&](const std::string &name, const std::string &r, const std::string &g) {
    WriteAll(Path(name + ".vkx"), r);
    WriteAll(Path(name + ".vk1"), g);
    return Path(name + ".vkx");
  };

  // The companion is looked for first, then the scenario file.
  WriteAll(Path("nocomp.vkx"), goodRec);
  try {
    s.GetState(Path("nocomp.vkx"));
    ADD_FAILURE() << "opened without a companion";
  } catch (const EFOpenError &e) {
    EXPECT_EQ(std::string(e.what()), Path("nocomp.vk1") + " Does not Exist");
  }
  expectUntouched();
  WriteAll(Path("norec.vk1"), goodGrid);
  try {
    s.GetState(Path("norec.vkx"));
    ADD_FAILURE() << "opened a missing file";
  } catch (const EFOpenError &e) {
    EXPECT_EQ(std::string(e.what()), Path("norec.vkx") + " Does not Exist");
  }
  expectUntouched();

  // Wrong sizes, in either file: corrupt or incomplete.
  const std::string cases[][2] = {{goodRec.substr(0, 3191), goodGrid},
                                  {goodRec + "x", goodGrid},
                                  {std::string(), goodGrid},
                                  {goodRec, goodGrid.substr(0, 102403)},
                                  {goodRec, goodGrid + std::string(10, '\0')}};
  int n = 0;
  for (const auto &c : cases) {
    const std::string path = pair("bad" + std::to_string(n++), c[0], c[1]);
    try {
      s.GetState(path);
      ADD_FAILURE() << "opened case " << n;
    } catch (const EInOutError &e) {
      EXPECT_EQ(std::string(e.what()).rfind("File is Corrupt or Incomplete", 0), 0u);
      EXPECT_NE(std::string(e.what()).find(e.FileName()), std::string::npos);
    }
    expectUntouched();
  }

  // Not a readable file: a folder, and a pipe (which must not block).
  fs::create_directory(Path("folder.vkx"));
  WriteAll(Path("folder.vk1"), goodGrid);
  EXPECT_THROW(s.GetState(Path("folder.vkx")), EReadError);
  WriteAll(Path("pipe.vkx"), goodRec);
  ASSERT_EQ(::mkfifo(Path("pipe.vk1").c_str(), 0600), 0);
  try {
    s.GetState(Path("pipe.vkx"));
    ADD_FAILURE() << "opened a pipe";
  } catch (const EReadError &e) {
    EXPECT_EQ(std::string(e.what()).rfind("Error Reading File", 0), 0u);
  }
  expectUntouched();

  // And the good pair still opens.
  s.GetState(good);
  EXPECT_EQ(s.ScenarioRecord.Title.Text(), "Büro 2");
}

TEST_F(ScenarioFile, FailedSavesKeepThePreviousFiles) {
  TLumoState s;
  const std::string path = SaveSample("keep", s);
  const std::string oldRec = ReadAll(path), oldGrid = ReadAll(Path("keep.vk1"));
  s.ScenarioRecord.BldgVolume = 1;
  s.SetPaintDurationGrid();

  // The scenario file cannot be replaced (a folder is in the way): the
  // companion is not touched either.
  const std::string blocked = Path("blocked.vkx");
  fs::create_directories(fs::path(blocked) / "inside");
  WriteAll(Path("blocked.vk1"), oldGrid);
  try {
    s.SaveState(blocked);
    ADD_FAILURE() << "saved over a folder";
  } catch (const EWriteError &e) {
    EXPECT_NE(std::string(e.what()).find(blocked), std::string::npos);
  }
  EXPECT_EQ(ReadAll(Path("blocked.vk1")), oldGrid);

  // Half-way: the scenario file is written, then its companion cannot be.
  // The old scenario file comes back.
  const std::string half = Path("half.vkx");
  WriteAll(half, oldRec);
  fs::create_directories(dir_ / "half.vk1" / "inside");
  try {
    s.SaveState(half);
    ADD_FAILURE() << "saved over a folder";
  } catch (const EWriteError &e) {
    EXPECT_NE(std::string(e.what()).find(Path("half.vk1")), std::string::npos);
  }
  EXPECT_EQ(ReadAll(half), oldRec);
  // Without an old scenario file, the new one is taken away again.
  const std::string fresh = Path("fresh.vkx");
  fs::create_directories(dir_ / "fresh.vk1" / "inside");
  EXPECT_THROW(s.SaveState(fresh), EWriteError);
  EXPECT_FALSE(fs::exists(fresh));

  // No temporary files are left, and the state keeps its own name.
  for (const auto &entry : fs::directory_iterator(dir_)) {
    EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
  }
  EXPECT_EQ(s.ScenarioRecord.ScenarioFileName.Text(), path);
  EXPECT_EQ(ReadAll(path), oldRec);
}

TEST_F(ScenarioFile, NamesThatCannotBeUsedAreRefused) {
  TLumoState s;
  const std::string own = Path("run.vk1");
  EXPECT_THROW(s.SaveState(own), EScenarioName);
  EXPECT_THROW(s.GetState(own), EScenarioName);
  EXPECT_FALSE(fs::exists(own));
  EXPECT_THROW(s.SaveState(""), EScenarioName);
  EXPECT_THROW(s.SaveState(Path("sub/")), EScenarioName);
  const std::string tooLong = Path(std::string(300, 'x') + ".vkx");
  EXPECT_THROW(s.SaveState(tooLong), EScenarioName);
  EXPECT_THROW(s.SaveState(Path("Ωmega.vkx")), EScenarioName);
  EXPECT_TRUE(fs::is_empty(dir_));
  EXPECT_EQ(s.ScenarioRecord.ScenarioFileName.Text(), "lumo.vkx");
}

TEST_F(ScenarioFile, NamesDerivedFromTheScenarioName) {
  EXPECT_EQ(CompanionFileName("/data/office.vkx"), "/data/office.vk1");
  EXPECT_EQ(CompanionFileName("/data/test"), "/data/tes1");
  EXPECT_EQ(CompanionFileName("/data/café"), "/data/caf1");

  TLumoState s;
  auto csv = [&](const std::string &name) {
    s.ScenarioRecord.ScenarioFileName.SetText(name);
    return std::string(s.GetCSVName());
  };
  EXPECT_EQ(csv("/data/office.vkx"), "/data/office.CSV");
  EXPECT_EQ(csv("/data/test"), "/data/test.CSV");
  EXPECT_EQ(csv("/da.ta/test"), "/da.ta/test.CSV");
  EXPECT_EQ(csv("/data/a.b.vkx"), "/data/a.b.CSV");
  EXPECT_EQ(std::string(s.CSVName()), "/data/a.b.CSV");
  // The longest name that can be stored still fits, in UTF-8.
  std::string longest;
  for (int i = 0; i < 255; ++i) longest += "€";
  EXPECT_EQ(csv(longest), longest + ".CSV");

  // The default scenario lies in the program's folder.
  s.SetDefaultScenarioFileName();
  EXPECT_EQ(s.ScenarioRecord.ScenarioFileName.Text(),
            platform::ExecutableDirectory() + "/lumo.vkx");
}

}  // namespace
}  // namespace lumo
