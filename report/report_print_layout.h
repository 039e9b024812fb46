// The printed report as a list of positioned texts. Each item names its
// line (line k is drawn k line units from the top), its x position as a
// rule on the printable page width, its font, and its text; printing
// (report_printing.h) turns these into device pixels.
#pragma once

#include <QList>
#include <QString>

namespace lumo {
class TLumoState;
}

namespace lumo::report {

struct ReportContent;

// x = (a × W + b) div d, with W the printable page width in device pixels.
struct XPos {
  int a = 0;
  int b = 10;
  int d = 1;

  // The left margin: 10 device pixels.
  static XPos Margin() { return {0, 10, 1}; }
  // k/215 of the page width.
  static XPos Fraction(int k) { return {k, 0, 215}; }
  // Column c (1 to 4) of the activity pattern tables: (45 c W + 10) div 215.
  static XPos PatternColumn(int c) { return {45 * c, 10, 215}; }

  int At(int pageWidth) const;
  bool operator==(const XPos &) const = default;
};

enum class PrintStyle {
  Heading,       // page titles: Arial bold 12 pt
  Body,          // everything else: Arial bold 7 pt
  PatternTitle,  // "Weekday Pattern", "Weekend Pattern": MS Sans Serif bold 8 pt
};

struct PrintItem {
  int line = 0;
  XPos x;
  PrintStyle style = PrintStyle::Body;
  QString text;
};

// Page 1: the building, the paint, the chemical and the sinks.
QList<PrintItem> PrintPage1Items(const TLumoState &state, const ReportContent &content);
// Page 2: the person, all lines of both activity patterns, the results and
// the glossary; every block below the patterns moves down with their line
// counts.
QList<PrintItem> PrintPage2Items(const TLumoState &state, const ReportContent &content);

}  // namespace lumo::report
