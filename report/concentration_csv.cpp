#include "concentration_csv.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <string_view>

#include "time_series.h"

namespace lumo::report {
namespace {

class CsvText {
  Q_DECLARE_TR_FUNCTIONS(ConcentrationCsv)
 public:
  static QString Missing(const QString &f) {
    return tr("The concentration file \"%1\" does not exist. It is written while the model "
              "runs: run the model first.")
        .arg(f);
  }
  static QString Unreadable(const QString &f, const QString &why) {
    return tr("The concentration file \"%1\" could not be read: %2").arg(f, why);
  }
  static QString Folder() { return tr("it is a folder"); }
  static QString Empty(const QString &f) {
    return tr("The concentration file \"%1\" is empty: the run wrote no concentrations.").arg(f);
  }
  static QString BadHeader(const QString &f) {
    return tr("\"%1\" is not a concentration file of this program: its first line does not "
              "name the time, outdoor, zone 1 and person columns.")
        .arg(f);
  }
  static QString NoRows(const QString &f) {
    return tr("The concentration file \"%1\" holds no concentrations yet.").arg(f);
  }
  static QString BadRow(const QString &f, int line, int fields) {
    return tr("Line %2 of the concentration file \"%1\" is not readable: it should hold %3 "
              "comma-separated numbers.")
        .arg(f)
        .arg(line)
        .arg(fields);
  }
};

}  // namespace

CsvReadResult ParseConcentrationCsv(const QByteArray &bytes, const QString &name) {
  CsvReadResult result;
  if (bytes.trimmed().isEmpty()) {
    result.problem = CsvText::Empty(name);
    return result;
  }
  using Fault = comparison::SeriesReading::Fault;
  comparison::SeriesReading reading = comparison::ReadConcentrationSeries(
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (reading.fault == Fault::Header) {
    result.problem = CsvText::BadHeader(name);
    return result;
  }
  if (reading.fault == Fault::Row) {
    result.problem = CsvText::BadRow(name, reading.line, reading.columns);
    return result;
  }
  comparison::ConcentrationSeries &s = *reading.series;
  if (s.Rows() == 0) {
    result.problem = CsvText::NoRows(name);
    return result;
  }
  ConcentrationTable table;
  table.days = std::move(s.days);
  table.outdoor = std::move(s.outdoor);
  table.zone1 = std::move(s.zone1);
  table.zone2 = std::move(s.zone2);
  table.person = std::move(s.person);
  result.table = std::move(table);
  return result;
}

CsvReadResult ReadConcentrationCsv(const QString &path) {
  CsvReadResult result;
  if (!QFileInfo::exists(path)) {
    result.problem = CsvText::Missing(path);
    return result;
  }
  QFile file(path);
  if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
    result.problem =
        CsvText::Unreadable(path, QFileInfo(path).isDir() ? CsvText::Folder() : file.errorString());
    return result;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    result.problem = CsvText::Unreadable(path, file.errorString());
    return result;
  }
  return ParseConcentrationCsv(bytes, path);
}

}  // namespace lumo::report
