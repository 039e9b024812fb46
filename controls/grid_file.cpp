#include "grid_file.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>
#include <optional>

namespace lumo::controls {
namespace {

QString Tr(const char *text) {
  return QCoreApplication::translate("GridFile", text);
}

std::optional<int> ReadInt(const QString &text, int min, int max) {
  static const QRegularExpression integer(QStringLiteral("^[+-]?\\d{1,10}$"));
  const QString t = text.trimmed();
  if (!integer.match(t).hasMatch()) return std::nullopt;
  const qint64 v = t.toLongLong();
  if (v < min || v > max) return std::nullopt;
  return static_cast<int>(v);
}

}  // namespace

QString WriteGridFile(const GridFileData &data) {
  const QString d(data.delimiter);
  QString out;
  out += d + u'\n';
  out += QString::number(data.rowCount) + d + QString::number(data.colCount) + u'\n';
  out += QString::number(data.defaultRowHeight) + u'\n';
  out += data.caption1 + u'\n';
  out += data.caption2 + u'\n';
  out += (data.caption2Top ? QStringLiteral("Top") : QStringLiteral("Bottom")) + u'\n';
  for (const auto &[row, height] : data.rowHeights) {
    out += QStringLiteral("Row %1 Height: %2\n").arg(row).arg(height);
  }
  for (const auto &[col, width] : data.colWidths) {
    out += QStringLiteral("Column %1 Width: %2\n").arg(col).arg(width);
  }
  for (const GridFileCell &cell : data.cells) {
    out += QString::number(cell.col) + d + QString::number(cell.row) + d + cell.text + u'\n';
  }
  out += u'\n';
  return out;
}

QString DecodeGridFileText(const QByteArray &bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(bytes);
  if (utf8.hasError()) text = QString::fromLatin1(bytes);
  return text;
}

GridFileReading ReadGridFile(const QString &text) {
  GridFileReading reading;
  QStringList lines = text.split(u'\n');
  // A final line break ends the last line rather than starting another.
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  QChar d = u'|';
  int rows = 0, cols = 0;
  auto fail = [&](int line, const QString &why) {
    reading.error = why;
    reading.errorLine = line;
    return reading;
  };
  static const QRegularExpression rowLine(QStringLiteral("^Row (.*) Height: (.*)$"));
  static const QRegularExpression colLine(QStringLiteral("^Column (.*) Width: (.*)$"));
  for (int i = 0; i < lines.size(); ++i) {
    QString line = lines[i];
    if (line.endsWith(u'\r')) line.chop(1);
    const int n = i + 1;
    switch (n) {
      case 1:
        if (line.isEmpty()) return fail(n, Tr("the first line holds no cell delimiter"));
        if (line[0].isDigit() || line[0] == u'-' || line[0] == u'+') {
          return fail(n, Tr("a digit or sign cannot be the cell delimiter"));
        }
        // A saved file could not give these back: a carriage return ends
        // the line, and a byte-order mark at the start is not read as text.
        if (line[0] == u'\r' || line[0] == QChar(0xFEFF)) {
          return fail(n, Tr("a carriage return or byte-order mark cannot be the cell delimiter"));
        }
        d = line[0];
        reading.steps.append({GridFileStep::Delimiter, 0, 0, QString(d)});
        continue;
      case 2: {
        const qsizetype at = line.indexOf(d);
        const auto r = ReadInt(line.left(at < 0 ? line.size() : at), 1, kGridMaxRows);
        const auto c = at < 0 ? std::nullopt : ReadInt(line.mid(at + 1), 1, kGridMaxColumns);
        if (!r || !c) {
          return fail(n, Tr("the grid size is not \"rows%1columns\" within %2 rows and %3 columns")
                             .arg(d)
                             .arg(kGridMaxRows)
                             .arg(kGridMaxColumns));
        }
        rows = *r;
        cols = *c;
        reading.steps.append({GridFileStep::Size, rows, cols, {}});
        continue;
      }
      case 3: {
        const auto h = ReadInt(line, 1, kGridMaxSize);
        if (!h)
          return fail(n,
                      Tr("the default row height is not a number from 1 to %1").arg(kGridMaxSize));
        reading.steps.append({GridFileStep::DefaultRowHeight, *h, 0, {}});
        continue;
      }
      case 4:
        reading.steps.append({GridFileStep::Caption1, 0, 0, line});
        continue;
      case 5:
        reading.steps.append({GridFileStep::Caption2, 0, 0, line});
        continue;
      case 6:
        reading.steps.append(
            {GridFileStep::Placement, line == QLatin1String("Top") ? 1 : 0, 0, {}});
        continue;
      default:
        break;
    }
    if (line.startsWith(QLatin1String("Row"))) {
      const auto m = rowLine.match(line);
      const auto r = m.hasMatch() ? ReadInt(m.captured(1), 0, rows - 1) : std::nullopt;
      const auto h = m.hasMatch() ? ReadInt(m.captured(2), 0, kGridMaxSize) : std::nullopt;
      if (!r || !h)
        return fail(n, Tr("the row height line does not name a row of the grid and a height"));
      reading.steps.append({GridFileStep::RowHeight, *r, *h, {}});
    } else if (line.startsWith(QLatin1String("Column"))) {
      const auto m = colLine.match(line);
      const auto c = m.hasMatch() ? ReadInt(m.captured(1), 0, cols - 1) : std::nullopt;
      const auto w = m.hasMatch() ? ReadInt(m.captured(2), 0, kGridMaxSize) : std::nullopt;
      if (!c || !w)
        return fail(n, Tr("the column width line does not name a column of the grid and a width"));
      reading.steps.append({GridFileStep::ColWidth, *c, *w, {}});
    } else if (const qsizetype first = line.indexOf(d); first >= 0) {
      const qsizetype second = line.indexOf(d, first + 1);
      const auto c = ReadInt(line.left(first), 0, cols - 1);
      const auto r =
          second < 0 ? std::nullopt : ReadInt(line.mid(first + 1, second - first - 1), 0, rows - 1);
      if (!c || !r) {
        return fail(
            n, Tr("the cell line does not name a cell within the grid's %1 rows and %2 columns")
                   .arg(rows)
                   .arg(cols));
      }
      reading.steps.append({GridFileStep::Cell, *c, *r, line.mid(second + 1)});
    }
  }
  return reading;
}

}  // namespace lumo::controls
