#include "concentration_csv.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QList>

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

struct Columns {
  int count = 0;
  int time = -1, outdoor = -1, zone1 = -1, zone2 = -1, person = -1;
};

Columns FindColumns(const QByteArray &header) {
  const QString text = QString::fromLatin1(header);  // "³" is the byte 0xB3
  const QStringList names = text.split(QLatin1Char(','));
  Columns c;
  c.count = static_cast<int>(names.size());
  for (int i = 0; i < c.count; ++i) {
    const QString name = names[i].trimmed();
    if (i == 0 && name.startsWith(QLatin1String("Time")))
      c.time = i;
    else if (name.startsWith(QLatin1String("Conc Outdoors")))
      c.outdoor = i;
    else if (name.startsWith(QLatin1String("Conc Zone 1")))
      c.zone1 = i;
    else if (name.startsWith(QLatin1String("Conc Zone 2")))
      c.zone2 = i;
    else if (name.startsWith(QLatin1String("Conc@Person")))
      c.person = i;
  }
  return c;
}

// One data row into `t`; false when it is not a complete row of numbers.
bool ReadRow(const QByteArray &line, const Columns &c, ConcentrationTable &t) {
  const QList<QByteArray> fields = line.split(',');
  if (fields.size() != c.count) return false;
  double values[5];
  const int wanted[5] = {c.time, c.outdoor, c.zone1, c.zone2, c.person};
  for (int k = 0; k < 5; ++k) {
    if (wanted[k] < 0) continue;
    bool ok = false;
    values[k] = fields[wanted[k]].trimmed().toDouble(&ok);
    if (!ok) return false;
  }
  t.days.push_back(values[0]);
  t.outdoor.push_back(values[1]);
  t.zone1.push_back(values[2]);
  if (c.zone2 >= 0) t.zone2.push_back(values[3]);
  t.person.push_back(values[4]);
  return true;
}

}  // namespace

CsvReadResult ParseConcentrationCsv(const QByteArray &bytes, const QString &name) {
  CsvReadResult result;
  if (bytes.trimmed().isEmpty()) {
    result.problem = CsvText::Empty(name);
    return result;
  }
  QList<QByteArray> lines = bytes.split('\n');
  // The piece after the last line end is a row still being written, or
  // nothing.
  const QByteArray tail = lines.takeLast();
  for (QByteArray &line : lines) {
    if (line.endsWith('\r')) line.chop(1);
  }
  const Columns columns = FindColumns(lines.isEmpty() ? tail : lines.first());
  if (columns.time < 0 || columns.outdoor < 0 || columns.zone1 < 0 || columns.person < 0) {
    result.problem = CsvText::BadHeader(name);
    return result;
  }
  ConcentrationTable table;
  for (int i = 1; i < lines.size(); ++i) {
    if (lines[i].trimmed().isEmpty()) continue;
    if (!ReadRow(lines[i], columns, table)) {
      result.problem = CsvText::BadRow(name, i + 1, columns.count);
      return result;
    }
  }
  if (table.Rows() == 0) {
    result.problem = CsvText::NoRows(name);
    return result;
  }
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
