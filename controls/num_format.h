// Pure text functions behind the numeric field TNumEdit: rounding to a
// number of decimals, the display masks ("#,##0.0", "0.0###", three
// sections), the currency and percentage displays, and the two directions
// of the editing cycle (display text to editable text, edited text to a
// number). All take the locale whose marks they use; no widgets.
#pragma once

#include <QLocale>
#include <QString>

namespace lumo::controls {

// v scaled by 10^decimals, then rounded to the nearest integer with halves
// going to the even neighbour (rounding on) or truncated toward zero
// (rounding off), and scaled back. Negative decimals round to tens,
// hundreds, ...; a value that cannot be scaled is returned as it is, and a
// step beyond every double gives zero.
double RoundToDecimals(double v, int decimals, bool rounding);

// v formatted with a display mask of up to three sections separated by
// ";": positive, negative and zero values. In a section "0" is a digit that
// is always shown, "#" a digit shown only when significant, "," in the
// integer part turns on thousands grouping, "." is the decimal point; the
// digits after the point give the most decimals shown and the "0" among
// them the fewest. Other characters are copied as they stand. An empty
// negative section falls back to the positive one with a leading "-", an
// empty zero section to the positive one. The locale gives the decimal and
// grouping marks.
QString FormatWithMask(double v, const QString &masks, const QLocale &locale);

// v in the locale's currency format with `decimals` decimals; a value with
// more than `digits` integer digits is shown in scientific notation.
QString FormatCurrency(double v, int digits, int decimals, const QLocale &locale);

// v in fixed notation with `decimals` decimals followed by "%" (scientific
// beyond `digits` integer digits, as above).
QString FormatPercentage(double v, int digits, int decimals, const QLocale &locale);

// The general number format of messages: the shorter of fixed and
// scientific notation with up to 15 significant digits (0 and 100 stay
// "0" and "100").
QString FormatGeneral(double v, const QLocale &locale);

// The editable form of a display text: only its digits, decimal marks and
// grouping marks, with one leading "-" when the value is negative.
QString EditableText(const QString &display, bool negative, const QLocale &locale);

// Whether a typed character may join `text` while editing: digits and the
// grouping mark always; the decimal mark and "-" only while `text` holds
// none.
bool AcceptsEditChar(QChar c, const QString &text, const QLocale &locale);

struct EditedNumber {
  bool ok = false;
  double value = 0;
};

// The number an edited text stands for: its digits and decimal mark read in
// the locale's syntax (grouping marks dropped), negative when the text
// begins or ends with "-". An empty text is 0. A text with a sign or a
// decimal mark but no digit is not a number (ok false).
EditedNumber ParseEditedText(const QString &text, const QLocale &locale);

}  // namespace lumo::controls
