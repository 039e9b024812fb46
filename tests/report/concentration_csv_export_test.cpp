// The plot window's CSV export: UTF-8 with its units, in the units shown,
// every row of the engine's file, and a file that cannot be written said so.
#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "frm_concentration_plot.h"
#include "message_recorder.h"

namespace lumo::report {
namespace {

TEST(ConcentrationCsvExport, WritesTheSeriesInTheUnitsShown) {
  QTemporaryDir dir;
  QFile f(dir.filePath("run.CSV"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(
      "Time (days),Conc Outdoors (mg/m\xb3),Conc Zone 1 (mg/m\xb3),Conc Zone 2 (mg/m\xb3),"
      ",Conc@Person(mg/m\xb3)\r\n"
      "0.5,0,2.4453,1,,0.0001\r\n1,0,1e-20,0.5,,12.25\r\n");
  f.close();
  controls::MessageRecorder messages;
  TfrmConcentrationPlot plot(nullptr, f.fileName(), 24.453);
  ASSERT_TRUE(plot.findChild<QPushButton *>("btnExportCsv")->isEnabled());

  const QString out = dir.filePath("export.csv");
  ASSERT_TRUE(plot.ExportCsv(out));
  QFile written(out);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll().toStdString(),
            "\xEF\xBB\xBFTime (days),Outdoors (mg/m³),Zone 1 (mg/m³),Zone 2 (mg/m³),"
            "At the person (mg/m³)\r\n"
            "0.5,0,2.4453,1,0.0001\r\n"
            "1,0,1e-20,0.5,12.25\r\n");
  written.close();

  plot.SetPpm(true);  // 24.453 × C ÷ 24.453
  ASSERT_TRUE(plot.ExportCsv(out));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  const std::string ppm = written.readAll().toStdString();
  EXPECT_NE(ppm.find("At the person (ppm)\r\n0.5,0,2.4453,1,0.0001\r\n"), std::string::npos);

  EXPECT_FALSE(plot.ExportCsv(dir.filePath("no/such/folder.csv")));
  EXPECT_TRUE(messages.LastText().contains("could not be saved"));
}

}  // namespace
}  // namespace lumo::report
