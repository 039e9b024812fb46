// Fuzz target: number texts of the numeric fields. The first byte chooses
// what is exercised; the rest holds the values (raw doubles and integers)
// and a text (UTF-8):
//
//   0  syntax      text: ReadReal, ReadInteger, ReadCardinal and the
//                  *SyntaxOk checks, and printf round trips of what reads
//   1  formats     f64, i32, u32, format text: FormatReal, FormatInteger,
//                  FormatCardinal
//   2  masks       f64, u8 locale, u16 decimals, u8 rounding, mask text:
//                  the general field's display and editing cycle
//   3  rounding    f64, i32 decimals, u8 rounding: RoundToDecimals
//   4  styles      f64, u16 digits, u16 decimals, u8 locale: currency,
//                  percentage and general display
//   5  typing      u8 locale, text: the characters a field accepts one by
//                  one, and the number the accepted text stands for
#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "fuzz_bytes.h"
#include "fuzz_support.h"
#include "num_format.h"
#include "number_syntax.h"

namespace {

using namespace lumo::controls;
using namespace lumo::fuzz;

const QLocale &PickLocale(std::uint8_t pick) {
  static const QLocale locales[] = {
      QLocale::c(),
      QLocale(QLocale::English, QLocale::UnitedStates),
      QLocale(QLocale::German, QLocale::Germany),
      QLocale(QLocale::French, QLocale::France),
      QLocale(QLocale::German, QLocale::Switzerland),
      QLocale(QLocale::Hindi, QLocale::India),
      QLocale(QLocale::Arabic, QLocale::Egypt),
      QLocale(QLocale::Persian, QLocale::Iran),
  };
  return locales[pick % std::size(locales)];
}

QString Text(FuzzBytes &in) {
  const std::string bytes = in.Rest();
  return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void Syntax(FuzzBytes &in) {
  const QString text = Text(in);
  const auto real = ReadReal(text);
  const auto integer = ReadInteger(text);
  const auto cardinal = ReadCardinal(text);
  Require(!real || RealSyntaxOk(text), "a text that reads as a real is accepted while typing");
  Require(!integer || IntegerSyntaxOk(text), "an integer text is accepted while typing");
  Require(!cardinal || CardinalSyntaxOk(text), "a cardinal text is accepted while typing");
  Require(!integer || (real && *real == *integer), "an integer text reads as the same real");
  Require(!cardinal || (real && *real == *cardinal), "a cardinal text reads as the same real");
  if (real) {
    Require(std::isfinite(*real), "a real that reads is finite");
    Require(ReadReal(FormatReal(QStringLiteral("%.17g"), *real)) == *real,
            "a real written with 17 digits reads back");
  }
  if (integer)
    Require(ReadInteger(FormatInteger(QStringLiteral("%d"), *integer)) == *integer,
            "an integer written reads back");
  if (cardinal)
    Require(ReadCardinal(FormatCardinal(QStringLiteral("%u"), *cardinal)) == *cardinal,
            "a cardinal written reads back");
}

void Formats(FuzzBytes &in) {
  const double v = in.F64();
  const qint32 i = in.I32();
  const quint32 u = in.U32();
  const QString format = Text(in);
  // Width and precision have at most two digits: the text stays short.
  const qsizetype limit = format.size() + 512;
  Require(FormatReal(format, v).size() <= limit, "a real's format gives a bounded text");
  Require(FormatInteger(format, i).size() <= limit, "an integer's format gives a bounded text");
  Require(FormatCardinal(format, u).size() <= limit, "a cardinal's format gives a bounded text");
}

// The parts of a mask section: the text before and after its number, and
// the most decimals it shows. `plain` when it has a digit placeholder.
struct SectionParts {
  bool plain = false;
  QString around;
  int maxDecimals = 0;
};

SectionParts Parts(const QString &section) {
  SectionParts parts;
  qsizetype first = -1, last = -1;
  for (qsizetype i = 0; i < section.size(); ++i) {
    if (section[i] == u'0' || section[i] == u'#') {
      if (first < 0) first = i;
      last = i;
    }
  }
  if (first < 0) return parts;
  parts.plain = true;
  bool afterPoint = false;
  for (qsizetype i = first; i <= last; ++i) {
    if (section[i] == u'.') afterPoint = true;
    if (afterPoint && (section[i] == u'0' || section[i] == u'#')) ++parts.maxDecimals;
  }
  qsizetype end = last + 1;
  if (!afterPoint && end < section.size() && section[end] == u'.') ++end;
  parts.around = section.left(first) + section.mid(end);
  return parts;
}

// Whether the text around a section's number can be mistaken for part of
// the number once the display is made editable.
bool MistakableAround(const QString &around, const QLocale &locale) {
  for (QChar c : around) {
    if (c.isDigit() || c == u'-' || locale.decimalPoint().contains(c)) return true;
  }
  return false;
}

void Masks(FuzzBytes &in) {
  const double v = in.F64();
  const QLocale &locale = PickLocale(in.U8());
  const int decimals = in.U16();
  const bool rounding = in.U8() & 1;
  const QString masks = Text(in);

  // The field: the value rounded to its decimals, shown through the masks;
  // on entry the display becomes editable text; leaving reads it back.
  const double shown = RoundToDecimals(v, decimals, rounding);
  const QString display = FormatWithMask(shown, masks, locale);
  const QString editable = EditableText(display, v < 0, locale);
  const EditedNumber back = ParseEditedText(editable, locale);
  Require(!back.ok || std::isfinite(back.value), "an edited number is finite");

  if (!std::isfinite(v) || std::fabs(v) > 1e300) return;
  const QStringList sections = masks.split(u';');
  const QString section = shown == 0 && !sections.value(2).isEmpty()  ? sections.value(2)
                          : shown < 0 && !sections.value(1).isEmpty() ? sections.value(1)
                                                                      : sections.value(0);
  const SectionParts parts = Parts(section);
  if (!parts.plain || MistakableAround(parts.around, locale)) return;
  // A mask of optional digits alone ("#") shows no digit for a small value;
  // its editable text passes through unread when it is left unchanged.
  if (!editable.contains(QRegularExpression(QStringLiteral("[0-9]")))) return;
  Require(back.ok, "the display of a value, made editable, reads as a number");
  const double tolerance = 0.51 * std::pow(10.0, -parts.maxDecimals) + std::fabs(shown) * 1e-15;
  Require(std::fabs(back.value - shown) <= tolerance,
          "the display of a value, made editable, reads as the value shown");
}

void Rounding(FuzzBytes &in) {
  const double v = in.F64();
  const int decimals = in.I32();
  const bool rounding = in.U8() & 1;
  const double r = RoundToDecimals(v, decimals, rounding);
  if (!std::isfinite(v)) {
    Require(std::isnan(v) ? std::isnan(r) : r == v, "a value that is not finite stays as it is");
    return;
  }
  Require(std::isfinite(r), "a finite value rounds to a finite value");
  const double step = std::pow(10.0, -static_cast<double>(decimals));
  Require(std::fabs(r - v) <= step * (1 + 1e-9) + std::fabs(v) * 1e-15,
          "rounding moves a value by less than one step of its decimals");
  // Scaling to the decimals and back may move the result by an ulp.
  if (!rounding)
    Require(std::fabs(r) <= std::fabs(v) * (1 + 1e-15), "truncation never moves away from zero");
}

void Styles(FuzzBytes &in) {
  const double v = in.F64();
  const int digits = in.U16();
  const int decimals = in.U16();
  const QLocale &locale = PickLocale(in.U8());
  const QString currency = FormatCurrency(v, digits, decimals, locale);
  const QString percentage = FormatPercentage(v, digits, decimals, locale);
  const QString general = FormatGeneral(v, locale);
  Require(!currency.isEmpty() && !percentage.isEmpty() && !general.isEmpty(),
          "every display style shows something");
  // Qt reads back its own scientific notation only in locales that write
  // Latin digits.
  if (!std::isfinite(v) || locale.zeroDigit() != QLatin1String("0")) return;
  bool ok = false;
  QLocale plain = locale;
  plain.setNumberOptions(QLocale::OmitGroupSeparator);
  const double back = plain.toDouble(general, &ok);
  Require(ok && std::fabs(back - v) <= std::fabs(v) * 1e-14,
          "the general display reads back as the value to 15 digits");
}

void Typing(FuzzBytes &in) {
  const QLocale &locale = PickLocale(in.U8());
  const QString keys = Text(in);
  QString typed;
  for (QChar c : keys)
    if (AcceptsEditChar(c, typed, locale)) typed += c;
  const EditedNumber number = ParseEditedText(typed, locale);
  Require(!number.ok || std::isfinite(number.value), "a typed number is finite");
  qsizetype digits = 0;
  for (QChar c : typed) digits += c >= u'0' && c <= u'9';
  if (digits > 0 && digits <= 300)
    Require(number.ok, "a text typed of accepted characters with a digit is a number");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  FuzzBytes in(data, size);
  switch (in.U8() % 6) {
    case 0:
      Syntax(in);
      break;
    case 1:
      Formats(in);
      break;
    case 2:
      Masks(in);
      break;
    case 3:
      Rounding(in);
      break;
    case 4:
      Styles(in);
      break;
    default:
      Typing(in);
      break;
  }
  return 0;
}
