#include "num_format.h"

#include <QStringList>
#include <cmath>

namespace lumo::controls {
namespace {

// One section of a display mask, taken apart.
struct MaskSection {
  QString prefix, suffix;
  int minIntDigits = 0;
  int minDecimals = 0;
  int maxDecimals = 0;
  bool grouping = false;
  bool hasPlaceholder = false;
};

bool IsPlaceholder(QChar c) {
  return c == u'0' || c == u'#';
}

MaskSection ParseSection(const QString &mask) {
  MaskSection s;
  qsizetype first = -1, last = -1;
  for (qsizetype i = 0; i < mask.size(); ++i) {
    if (IsPlaceholder(mask[i])) {
      if (first < 0) first = i;
      last = i;
    }
  }
  if (first < 0) {
    s.prefix = mask;
    return s;
  }
  s.hasPlaceholder = true;
  // A point right after the last digit ("0.") still belongs to the number.
  qsizetype end = last + 1;
  s.prefix = mask.left(first);
  bool afterPoint = false;
  for (qsizetype i = first; i < mask.size(); ++i) {
    const QChar c = mask[i];
    if (i > last && !(c == u'.' && !afterPoint && i == last + 1)) break;
    end = i + 1;
    if (c == u'.') {
      afterPoint = true;
    } else if (c == u',') {
      if (!afterPoint) s.grouping = true;
    } else if (c == u'0') {
      afterPoint ? (++s.minDecimals, ++s.maxDecimals) : ++s.minIntDigits;
    } else if (c == u'#') {
      if (afterPoint) ++s.maxDecimals;
    }
  }
  s.suffix = mask.mid(end);
  return s;
}

QString Group(const QString &digits, const QString &mark) {
  QString out;
  const qsizetype n = digits.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += mark;
    out += digits[i];
  }
  return out;
}

// |v| in the section's layout, without any sign.
QString FormatMagnitude(double a, const MaskSection &s, const QLocale &locale) {
  const QString fixed = QString::number(a, 'f', s.maxDecimals);
  const qsizetype point = fixed.indexOf(u'.');
  QString intPart = point < 0 ? fixed : fixed.left(point);
  QString frac = point < 0 ? QString() : fixed.mid(point + 1);
  while (frac.size() > s.minDecimals && frac.endsWith(u'0')) frac.chop(1);
  if (intPart == QLatin1String("0") && s.minIntDigits == 0) intPart.clear();
  while (intPart.size() < s.minIntDigits) intPart.prepend(u'0');
  if (s.grouping) intPart = Group(intPart, locale.groupSeparator());
  QString text = intPart;
  if (!frac.isEmpty()) text += locale.decimalPoint() + frac;
  return s.prefix + text + s.suffix;
}

bool AllZero(const QString &digits) {
  for (QChar c : digits) {
    if (c.isDigit() && c != u'0') return false;
  }
  return true;
}

// Fixed notation for the currency and percentage styles: scientific when
// the integer part has more than `digits` digits.
QString FixedOrScientific(double v, int digits, int decimals, const QLocale &plain) {
  if (digits > 0 && std::fabs(v) >= std::pow(10.0, digits)) {
    return plain.toString(v, 'e', std::max(0, digits - 1));
  }
  return plain.toString(v, 'f', decimals);
}

}  // namespace

double RoundToDecimals(double v, int decimals, bool rounding) {
  if (!std::isfinite(v)) return v;
  const double scale = std::pow(10.0, decimals);
  // So few decimals (below about -323) that the step 10^-decimals is beyond
  // every double: the nearest multiple of it is zero.
  if (scale == 0) return std::copysign(0.0, v);
  const double scaled = v * scale;
  if (!std::isfinite(scaled)) return v;
  // nearbyint rounds halves to even in the default rounding mode.
  const double whole = rounding ? std::nearbyint(scaled) : std::trunc(scaled);
  return whole / scale;
}

QString FormatWithMask(double v, const QString &masks, const QLocale &locale) {
  if (!std::isfinite(v)) return QString::number(v);
  const QStringList sections = masks.split(u';');
  const QString positive = sections.value(0);
  const QString negative = sections.value(1);
  const QString zero = sections.value(2);
  if (v == 0 && !zero.isEmpty()) return FormatMagnitude(0, ParseSection(zero), locale);
  if (v < 0 && !negative.isEmpty()) return FormatMagnitude(-v, ParseSection(negative), locale);
  const MaskSection s = ParseSection(positive);
  const QString text = FormatMagnitude(std::fabs(v), s, locale);
  // A negative value that shows as nothing but zeros gets no sign.
  if (v < 0 && !AllZero(text)) return u'-' + text;
  return text;
}

QString FormatCurrency(double v, int digits, int decimals, const QLocale &locale) {
  if (digits > 0 && std::fabs(v) >= std::pow(10.0, digits)) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.currencySymbol() + FixedOrScientific(v, digits, decimals, plain);
  }
  return locale.toCurrencyString(v, locale.currencySymbol(), decimals);
}

QString FormatPercentage(double v, int digits, int decimals, const QLocale &locale) {
  QLocale plain = locale;
  plain.setNumberOptions(QLocale::OmitGroupSeparator);
  return FixedOrScientific(v, digits, decimals, plain) + u'%';
}

QString FormatGeneral(double v, const QLocale &locale) {
  QLocale plain = locale;
  plain.setNumberOptions(QLocale::OmitGroupSeparator);
  return plain.toString(v, 'g', 15);
}

QString EditableText(const QString &display, bool negative, const QLocale &locale) {
  const QString point = locale.decimalPoint();
  const QString group = locale.groupSeparator();
  QString out;
  for (qsizetype i = 0; i < display.size(); ++i) {
    const QChar c = display[i];
    if (c.isDigit() || QStringView(display).mid(i, 1) == point ||
        QStringView(display).mid(i, 1) == group) {
      out += c;
    }
  }
  return negative ? u'-' + out : out;
}

bool AcceptsEditChar(QChar c, const QString &text, const QLocale &locale) {
  if (c >= u'0' && c <= u'9') return true;
  const QString s(c);
  if (s == locale.groupSeparator()) return true;
  if (s == locale.decimalPoint()) return !text.contains(s);
  if (c == u'-') return !text.contains(u'-');
  return false;
}

EditedNumber ParseEditedText(const QString &text, const QLocale &locale) {
  const QString point = locale.decimalPoint();
  QString reduced;
  bool hasDigit = false;
  for (QChar c : text) {
    if (c >= u'0' && c <= u'9') {
      reduced += c;
      hasDigit = true;
    } else if (QString(c) == point) {
      reduced += c;
    }
  }
  const QString trimmed = text.trimmed();
  const bool negative = trimmed.startsWith(u'-') || trimmed.endsWith(u'-');
  if (reduced.isEmpty() && !negative) return {true, 0};
  if (!hasDigit) return {false, 0};
  QLocale strict = locale;
  strict.setNumberOptions(QLocale::RejectGroupSeparator);
  bool ok = false;
  const double v = strict.toDouble(reduced, &ok);
  if (!ok || !std::isfinite(v)) return {false, 0};
  return {true, negative ? -v : v};
}

}  // namespace lumo::controls
