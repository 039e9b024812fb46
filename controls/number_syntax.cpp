#include "number_syntax.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace lumo::controls {
namespace {

bool EmptyOrSign(const QString &t) {
  return t.isEmpty() || t == QLatin1String("-") || t == QLatin1String("+");
}

// A printf format split around its one conversion.
struct Conversion {
  QString before, directive, after;  // directive: "%...x" rebuilt from checked parts
  QChar kind;
};

// Checks `format` and extracts its single conversion when its letter is
// one of `kinds`; flags, width (at most 2 digits) and precision (at most 2
// digits) are kept. The "#" flag is refused with the integer conversions,
// where the C library leaves its effect undefined.
std::optional<Conversion> ParseFormat(const QString &format, const QString &kinds) {
  static const QRegularExpression directive(
      QStringLiteral("^%([-+ #0]*)(\\d{0,2})(?:\\.(\\d{0,2}))?([A-Za-z])"));
  Conversion conv;
  bool found = false;
  QString *out = &conv.before;
  for (qsizetype i = 0; i < format.size(); ++i) {
    if (format[i] != u'%') {
      *out += format[i];
      continue;
    }
    if (i + 1 < format.size() && format[i + 1] == u'%') {
      *out += QLatin1String("%%");
      ++i;
      continue;
    }
    const auto m = directive.match(format.mid(i));
    if (found || !m.hasMatch() || !kinds.contains(m.captured(4))) return std::nullopt;
    // The alternative form "#" is defined only for the floating conversions.
    if (m.captured(1).contains(u'#') && !QStringLiteral("feEgGF").contains(m.captured(4))) {
      return std::nullopt;
    }
    found = true;
    conv.kind = m.captured(4)[0];
    conv.directive = u'%' + m.captured(1) + m.captured(2);
    if (m.capturedStart(3) >= 0) conv.directive += u'.' + m.captured(3);
    i += m.capturedLength() - 1;
    out = &conv.after;
  }
  if (!found) return std::nullopt;
  return conv;
}

QString Literal(const QString &part) {
  QString s = part;
  return s.replace(QLatin1String("%%"), QLatin1String("%"));
}

}  // namespace

std::optional<double> ReadReal(const QString &text) {
  static const QRegularExpression real(
      QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
  const QString t = text.trimmed();
  if (!real.match(t).hasMatch()) return std::nullopt;
  bool ok = false;
  const double v = QLocale::c().toDouble(t, &ok);
  if (!ok || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<qint32> ReadInteger(const QString &text) {
  static const QRegularExpression integer(QStringLiteral("^[+-]?\\d+$"));
  const QString t = text.trimmed();
  if (!integer.match(t).hasMatch()) return std::nullopt;
  bool ok = false;
  const qint64 v = QLocale::c().toLongLong(t, &ok);
  if (!ok || v < INT32_MIN || v > INT32_MAX) return std::nullopt;
  return static_cast<qint32>(v);
}

std::optional<quint32> ReadCardinal(const QString &text) {
  static const QRegularExpression cardinal(QStringLiteral("^\\+?\\d+$"));
  const QString t = text.trimmed();
  if (!cardinal.match(t).hasMatch()) return std::nullopt;
  bool ok = false;
  const quint64 v = QLocale::c().toULongLong(t, &ok);
  if (!ok || v > UINT32_MAX) return std::nullopt;
  return static_cast<quint32>(v);
}

bool RealSyntaxOk(const QString &candidate) {
  return EmptyOrSign(candidate) || ReadReal(candidate).has_value();
}

bool IntegerSyntaxOk(const QString &candidate) {
  return EmptyOrSign(candidate) || ReadInteger(candidate).has_value();
}

bool CardinalSyntaxOk(const QString &candidate) {
  return EmptyOrSign(candidate) || ReadCardinal(candidate).has_value();
}

QString FormatReal(const QString &format, double v) {
  auto conv = ParseFormat(format, QStringLiteral("feEgGF"));
  if (!conv) conv = ParseFormat(QStringLiteral("%g"), QStringLiteral("g"));
  QString directive = conv->directive;
  if ((conv->kind == u'g' || conv->kind == u'G') && !directive.contains(u'.'))
    directive += QLatin1String(".15");
  directive += conv->kind;
  return Literal(conv->before) + QString::asprintf(directive.toLatin1().constData(), v) +
         Literal(conv->after);
}

QString FormatInteger(const QString &format, qint32 v) {
  auto conv = ParseFormat(format, QStringLiteral("di"));
  if (!conv) conv = ParseFormat(QStringLiteral("%d"), QStringLiteral("d"));
  const QString directive = conv->directive + conv->kind;
  return Literal(conv->before) + QString::asprintf(directive.toLatin1().constData(), int(v)) +
         Literal(conv->after);
}

QString FormatCardinal(const QString &format, quint32 v) {
  auto conv = ParseFormat(format, QStringLiteral("u"));
  if (!conv) conv = ParseFormat(QStringLiteral("%u"), QStringLiteral("u"));
  const QString directive = conv->directive + conv->kind;
  return Literal(conv->before) + QString::asprintf(directive.toLatin1().constData(), unsigned(v)) +
         Literal(conv->after);
}

}  // namespace lumo::controls
