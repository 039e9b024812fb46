// Any 3192 bytes are a scenario: random and adversarial records are opened
// and put through every operation. Under the sanitizers this finds undefined
// behaviour; everywhere it checks that results stay within their ranges.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <vector>

#include "lumo_state.h"

namespace lumo {
namespace {

namespace fs = std::filesystem;

void WriteAll(const fs::path &p, const void *data, std::size_t n) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char *>(data), static_cast<std::streamsize>(n));
}

constexpr double kDoubles[] = {0.0,
                               -0.0,
                               -1.0,
                               0.5,
                               8.0,
                               24.0,
                               1e-310,
                               1e6,
                               2147483648.0,
                               -2147483649.0,
                               1e308,
                               -1e308,
                               std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()};
constexpr std::int32_t kInts[] = {0,
                                  -1,
                                  1,
                                  2,
                                  20,
                                  21,
                                  800,
                                  801,
                                  std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::int32_t>::max()};

// A record: all random bytes, or the defaults with some numbers and bytes
// replaced by awkward values.
ScenarioRecord MakeRecord(std::mt19937_64 &rng, const ScenarioRecord &defaults) {
  ScenarioRecord r = defaults;
  auto *bytes = reinterpret_cast<unsigned char *>(&r);
  std::uniform_int_distribution<int> byte(0, 255);
  if (rng() % 4 == 0) {
    for (std::size_t i = 0; i < sizeof r; ++i) bytes[i] = static_cast<unsigned char>(byte(rng));
    return r;
  }
  const int changes = 1 + static_cast<int>(rng() % 12);
  for (int k = 0; k < changes; ++k) {
    switch (rng() % 3) {
      case 0: {
        std::size_t at = (rng() % (sizeof r / 8)) * 8;
        double v = kDoubles[rng() % std::size(kDoubles)];
        std::memcpy(bytes + at, &v, sizeof v);
        break;
      }
      case 1: {
        std::size_t at = (rng() % (sizeof r / 4)) * 4;
        std::int32_t v = kInts[rng() % std::size(kInts)];
        std::memcpy(bytes + at, &v, sizeof v);
        break;
      }
      default:
        bytes[rng() % sizeof r] = static_cast<unsigned char>(byte(rng));
    }
  }
  return r;
}

// The first and last rows of a schedule and the rows just outside it (all
// rows would make the test slow under the sanitizers without finding more).
std::vector<int> SampleRows(const PaintDurationGrid &g) {
  std::vector<int> rows = {-1, g.Rows(), PaintDurationGrid::kMaxRows};
  for (int k = 0; k < 4; ++k) {
    if (k < g.Rows()) rows.push_back(k);
    if (g.Rows() - 1 - k >= 0) rows.push_back(g.Rows() - 1 - k);
  }
  return rows;
}

void CheckSchedule(const PaintDurationGrid &g) {
  ASSERT_GE(g.RowCount, 0);
  ASSERT_LE(g.RowCount, PaintDurationGrid::kMaxRows);
  for (int row : SampleRows(g)) {
    if (row < 0 || row >= g.Rows()) continue;
    for (int c : {PaintDurationGrid::kStartMinute, PaintDurationGrid::kEndMinute}) {
      auto m = g.CellNumber(c, row);
      ASSERT_TRUE(m.has_value());
      ASSERT_GE(*m, 0);
      ASSERT_LE(*m, 59);
    }
    auto endHour = g.CellNumber(PaintDurationGrid::kEndHour, row);
    ASSERT_TRUE(endHour && *endHour >= 0 && *endHour <= 23);
    ASSERT_EQ(g.Cell(PaintDurationGrid::kStartDay, row), g.Cell(PaintDurationGrid::kEndDay, row));
  }
}

void Exercise(TLumoState &s) {
  const auto &r = s.ScenarioRecord;
  // Whatever the loaded schedule holds, its accessors stay inside it.
  const auto &loaded = s.PaintDurationGrid();
  for (int row : SampleRows(loaded)) {
    for (int c = 0; c < PaintDurationGrid::kColumns; ++c) {
      (void)loaded.Cell(c, row);
      (void)loaded.CellNumber(c, row);
    }
  }
  (void)s.GetVolumePainted();
  (void)s.GetPrimeVolume();
  (void)s.GetPaintVolume();
  (void)s.GetPrimerHours();
  (void)s.GetPaintHours();
  EXPECT_GE(s.GetPrimerDays(), 0);
  EXPECT_GE(s.GetPaintDays(), 0);
  (void)s.GetCalculatedSurfaceArea();
  (void)s.CalcInterZonalAirFlow();
  const int zone = s.GetZone();
  EXPECT_TRUE(zone >= 0 && zone <= 2);
  (void)s.GetDefaultEventsPerYear();
  (void)s.GetDefaultYearsofExposure();
  (void)s.GetDefaultEventsinLifeTime();
  (void)s.GetDefaultLifeTime();
  (void)s.GetDefaultBodyWt();
  (void)s.GetDefaultLocation();
  EXPECT_LE(s.GetWeekDayActivityPattern().Entries(), ActivityPattern::kMaxEntries);
  EXPECT_GE(r.WeekEndPattern.Entries(), 0);
  std::string texts = s.DaytoString() + s.SinkModeltoString() + s.BldgTypetoString() +
                      s.PaintTypetoString() + s.PrimerEmissionsModelTypetoString() +
                      s.PaintEmissionsModelTypetoString() + s.IndividualTypetoString() +
                      s.IndividualLocationTypetoString() + s.GenderToString() + s.GetCSVName();
  EXPECT_FALSE(texts.empty());
  (void)r.Title.Text();
  (void)r.Notes.Text();
  (void)r.ChemicalName.Text();
  (void)r.VolumeUnits.Text();

  PaintScheduleCounts counted;
  bool tooMany = false;
  try {
    counted = s.CountPaintDurationGridRows();
  } catch (const ETooManyOverrideRows &) {
    tooMany = true;
  }
  try {
    PaintScheduleCounts built = s.SetPaintDurationGrid();
    EXPECT_FALSE(tooMany);
    EXPECT_EQ(built, counted);
    EXPECT_EQ(s.PaintDurationGrid().RowCount, built.Rows());
  } catch (const ETooManyOverrideRows &) {
    EXPECT_TRUE(tooMany);
    EXPECT_EQ(s.PaintDurationGrid().RowCount, PaintDurationGrid::kMaxRows);
  }
  CheckSchedule(s.PaintDurationGrid());

  s.CalcSinkAreas();
  s.SetDefaultLoadRatio();
  s.SetDefaultEmissions();
  s.ApplyGenderDefaults(r.Gender);
  s.ApplyIndividualDefaults(r.IndividualType);
}

TEST(AnyRecord, OpensAndEveryOperationStaysDefined) {
  const fs::path dir =
      fs::temp_directory_path() / ("lumo_any_record_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::mt19937_64 rng(20240611);

  // Four companions: a real schedule, random bytes, and damaged row counts.
  TLumoState base;
  base.SetPaintDurationGrid();
  auto grid = std::make_unique<PaintDurationGrid>();
  std::vector<std::string> names;
  for (int k = 0; k < 4; ++k) {
    *grid = base.PaintDurationGrid();
    auto *bytes = reinterpret_cast<unsigned char *>(grid.get());
    if (k >= 1) {
      for (std::size_t i = 0; i < sizeof *grid; ++i) bytes[i] = static_cast<unsigned char>(rng());
    }
    if (k == 2) grid->RowCount = -7;
    if (k == 3) grid->RowCount = 100000;
    names.push_back((dir / ("any" + std::to_string(k) + ".vkx")).string());
    WriteAll(CompanionFileName(names.back()), grid.get(), sizeof *grid);
  }

  const auto started = std::chrono::steady_clock::now();
  TLumoState s;
  int tooMany = 0;
  constexpr int kRecords = 2500;
  for (int i = 0; i < kRecords; ++i) {
    const ScenarioRecord r = MakeRecord(rng, base.ScenarioRecord);
    const std::string &name = names[static_cast<std::size_t>(i) % names.size()];
    WriteAll(name, &r, sizeof r);
    ASSERT_NO_THROW(s.GetState(name)) << "record " << i;

    // Every byte is taken as read, except the padding and the opened name.
    ScenarioRecord expected = r;
    expected.ZeroPadding();
    expected.ScenarioFileName.SetText(name);
    ASSERT_EQ(std::memcmp(&expected, &s.ScenarioRecord, sizeof expected), 0) << "record " << i;

    Exercise(s);
    if (s.PaintDurationGrid().RowCount == PaintDurationGrid::kMaxRows) ++tooMany;
    if (::testing::Test::HasFailure()) {
      ADD_FAILURE() << "record " << i;
      break;
    }
  }
  // The adversarial mix reaches both ends of the schedule.
  EXPECT_GT(tooMany, 0);
  EXPECT_LT(tooMany, kRecords);
  const auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  RecordProperty("seconds", std::to_string(seconds));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace lumo
