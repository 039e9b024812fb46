// The files the engine writes: the results CSV (columns, rows, number format,
// line ends, flushing) and the input dump, byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "engine_harness.h"

namespace lumo_test {
namespace {

std::string firstLine(const std::string &path) {
  const std::string text = readFile(path);
  return text.substr(0, text.find("\r\n") + 2);
}

TEST(OutputFiles, CsvColumnsFollowZonesAndSinks) {
  TempDir dir;
  const std::string csv = dir.file("run.csv");

  Scenario sixSinks;
  sixSinks.firstOrderSinks = {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}};
  sixSinks.langmuirSinks = {{2, 1, 1, 1, 1, 0}, {2, 1, 1, 1, 1, 0}, {2, 2, 1, 1, 1, 0}};
  runToEnd(sixSinks, csv.c_str());
  auto lines = readCsv(csv);
  EXPECT_EQ(firstLine(csv),
            "Time (days),Conc Outdoors (mg/m\xB3),Conc Zone 1 (mg/m\xB3),Sink 0 mass (mg),"
            "Sink 1 mass (mg),Sink 2 mass (mg),Sink 3 mass (mg),Sink 4 mass (mg),Sink 5 mass (mg),"
            ",Conc@Person(mg/m\xB3)\r\n");
  for (const auto &row : lines) {
    EXPECT_EQ(row.size(), 11u);
    EXPECT_EQ(row[9], "");
  }

  Scenario twoZones;
  twoZones.zones = 2;
  runToEnd(twoZones, csv.c_str());
  lines = readCsv(csv);
  EXPECT_EQ(firstLine(csv),
            "Time (days),Conc Outdoors (mg/m\xB3),Conc Zone 1 (mg/m\xB3),Conc Zone 2 (mg/m\xB3),,"
            "Conc@Person(mg/m\xB3)\r\n");
  for (const auto &row : lines) EXPECT_EQ(row.size(), 6u);
}

TEST(OutputFiles, CsvRowsAndNumbers) {
  TempDir dir;
  const std::string csv = dir.file("run.csv");
  Scenario s;
  s.outdoorC = 1.5e-5f;
  s.zone1C = 1234567;
  s.primary = s.secondary = {{0, 0.0f, 20}};
  s.end = 2;
  s.reportInterval = 1;
  runToEnd(s, csv.c_str());
  const std::string text = readFile(csv);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 4);
  const auto lines = readCsv(csv);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], (std::vector<std::string>{"0", "1.5e-05", "1.23457e+06", "", "0"}));
  EXPECT_EQ(lines[2][0], "1");
  EXPECT_EQ(lines[3][0], "2");
  EXPECT_EQ(lines[3][4], "1.5e-05");  // the person's concentration once the run has begun

  Scenario halfHour;
  halfHour.end = halfHour.reportInterval = 1.0f / 48;
  runToEnd(halfHour, csv.c_str());
  EXPECT_EQ(readCsv(csv).back()[0], "0.0208333");
}

TEST(OutputFiles, AbandonedRunKeepsEveryRowWritten) {
  TempDir dir;
  const std::string csv = dir.file("run.csv");
  Scenario s;
  ASSERT_EQ(initRun(s, csv.c_str()), 1);
  for (int i = 0; i < 3; ++i) engine().oneLoop();
  const auto lines = readCsv(csv);  // read while the run is still open
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[4][0], "0.125");
  engine().getValues();
}

TEST(OutputFiles, DiscardedRunClosesItsCsvAtOnce) {
  TempDir dir;
  const std::string csv = dir.file("run.csv");
  Scenario s;
  s.zone1C = 2;
  s.record.ExecutionResultsRecord.Cpeak = -5;
  ASSERT_EQ(initRun(s, csv.c_str()), 1);
  for (int i = 0; i < 3; ++i) engine().oneLoop();
  EXPECT_TRUE(isOpenInThisProcess(csv));

  EXPECT_EQ(engine().init(nullptr, nullptr, nullptr), 0);
  EXPECT_FALSE(isOpenInThisProcess(csv));
  const std::string text = readFile(csv);
  ASSERT_EQ(readCsv(csv).size(), 5u);  // header, start row, three reports
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_TRUE(std::filesystem::remove(csv));

  EXPECT_EQ(engine().oneLoop(), 100.0);  // no run left
  EXPECT_EQ(engine().getValues(), 1);
  EXPECT_EQ(s.record.ExecutionResultsRecord.Cpeak, -5);
}

TEST(OutputFiles, InputDumpIsByteExact) {
  Scenario s;
  s.outdoorC = 0.5f;
  s.zone1C = 0.25f;
  s.flowsOne = {476.25f, 476.25f};
  s.flowsTwo = {0, 0, 2344.25f, 2344.25f};
  s.volume1 = 44.125f;
  s.volume2 = 0;
  s.primary = {{1, 0.0f, 9.5f}, {2, 0.375f, 24}};
  s.secondary = {{0, 0.0f, 13.25f}};
  s.overrides = {{1, 0.375f, 0.625f, 27.5f}};
  s.sources = {{1, 0.375f, 2598.5f, 5598, 0.28125f}};
  s.firstOrderSinks = {{1, 1, 2.5f}};
  s.langmuirSinks = {{2, 2, 0.75f, 0.125f, 10.5f, 0}};
  s.saturation = 1e9f;
  s.end = 5;
  s.reportInterval = 0.0625f;
  s.eventsPerYear = 146.5f;
  s.bodyWeight = 71.75f;
  s.yearsOfExposure = 25;
  s.lifetime = 27393.75f;
  s.csvName = "lumo.CSV";
  s.record.ExecutionResultsRecord.LADD = 1.5f;
  s.record.ExecutionResultsRecord.APDRtime = 2.25f;

  TempDir dir;
  ASSERT_EQ(initRun(s, nullptr, dir.file("xferlumo32.txt").c_str()), 1);
  engine().getValues();
  const char *const expected[] = {
      "Zones:          1",
      " --------------- Initial Concentration",
      "OutdoorC:    0.50000",
      "Zone1C:      0.25000",
      "Zone2C:      0.00000",
      " --------------- Airflow 1",
      "Entries: 2",
      "0:   476.25000",
      "1:   476.25000",
      " -------------- Airflow 2",
      "Entries: 4",
      "0:     0.00000",
      "1:     0.00000",
      "2:  2344.25000",
      "3:  2344.25000",
      " --------------- Volume Record",
      "Zone1Volume:   44.12500",
      "Zone2Volume:    0.00000",
      " --------------- Primary Activity List",
      "Entries: 2",
      "0: Zone: 1",
      "Days:    0.00000",
      "Breathing Rate:    9.50000",
      "1: Zone: 2",
      "Days:    0.37500",
      "Breathing Rate:   24.00000",
      " --------------- Secondary Activity List",
      "Entries: 1",
      "0: Zone: 0",
      "Days:    0.00000",
      "Breathing Rate:   13.25000",
      " --------------- Override Activity List",
      "Entries: 1",
      "Zone:           1",
      "Enter Time:        0.37500",
      "Exit Time:         0.62500",
      "Breathing Rate:   27.50000",
      " --------------- Primary Days List",
      "Monday   : 1",
      "Tuesday  : 1",
      "Wednesday: 1",
      "Thursday : 1",
      "Friday   : 1",
      "Saturday : 0",
      "Sunday   : 0",
      " --------------- Emission Rate Incremental List",
      "Entries: 1",
      "Zone:          1",
      "Start Time:       0.37500",
      "Mass Released: 2598.50000",
      "Rate Constant: 5598.00000",
      "Duration:         0.28125",
      " --------------- FirstOrderSinkList",
      "Entries:  1",
      "Sink Type:     1",
      "Zone:          1",
      "Rate Constant:    2.50000",
      " --------------- LangmuirSinkList",
      "Entries: 1",
      "Sink Type:       2",
      "Zone:            2",
      "Absorption Rate:    0.75000",
      "Desorption Rate:    0.12500",
      "Area:              10.50000",
      "Langmuir Mass:      0.00000",
      "SaturationConcentration: 1000000000.00000",
      "StartTime:          0.00000",
      "EndTime:            5.00000",
      "ReportInterval:     0.06250",
      "EventsPerYear:    146.50000",
      "BodyWeight:        71.75000",
      "YearsofExposure:   25.00000",
      "AverageLifeTime: 27393.75000",
      "filename:        lumo.CSV",
      "--------------------------------------------",
      "------------- ExecutionResultsRecord -------",
      "--------------------------------------------",
      "   LADD:               1.50000",
      "   ADD:                0.00000",
      "   LADC:               0.00000",
      "   ADC:                0.00000",
      "   Cpeak:              0.00000",
      "   SingleEventDose:    0.00000",
      "   APDR:               0.00000",
      "   APDRtime:           2.25000",
      "   C15-min:            0.00000",
      "   C8-hour:            0.00000",
  };
  std::string text;
  for (const char *line : expected) text += std::string(line) + "\r\n";
  EXPECT_EQ(readFile(dir.file("xferlumo32.txt")), text);
}

}  // namespace
}  // namespace lumo_test
