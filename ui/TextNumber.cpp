// Val and Str: numbers as text, in the C locale whatever the desktop's
// locale (std::from_chars and std::to_chars never look at it).
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

#include "ui/TextNumber.h"


namespace ui {

namespace {

// Whether s is a C decimal number: sign, digits with at most one point
// (at least one digit), then optionally e or E, a sign and digits.
bool IsDecimalNumber(const QByteArray& s) {
  qsizetype i = 0;
  const qsizetype n = s.size();
  auto isDigit = [&](qsizetype k) { return k < n && s[k] >= '0' && s[k] <= '9'; };
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  int digits = 0;
  while (isDigit(i)) { ++i; ++digits; }
  if (i < n && s[i] == '.') {
    ++i;
    while (isDigit(i)) { ++i; ++digits; }
  }
  if (digits == 0) return false;
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    if (!isDigit(i)) return false;
    while (isDigit(i)) ++i;
  }
  return i == n;
}

// The number of the text, or nothing when it is not a finite decimal number.
std::optional<double> Parse(const QString& text) {
  const QString trimmed = text.trimmed();
  for (const QChar c : trimmed)
    if (c.unicode() > 0x7f) return std::nullopt;
  const QByteArray s = trimmed.toLatin1();
  if (!IsDecimalNumber(s)) return std::nullopt;
  const char* first = s.constData();
  const char* last = first + s.size();
  if (*first == '+') ++first;  // from_chars takes no plus sign
  double value = 0.0;
  const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
  return value == 0.0 ? 0.0 : value;  // "-0" reads as plain 0
}

}  // namespace

double Val(const QString& text) { return Parse(text).value_or(0.0); }

std::optional<double> EnteredNumber(const QString& text) { return Parse(text); }

QString Str(double value) {
  if (value == 0.0) value = 0.0;  // no "-0"
  if (std::isnan(value)) return QStringLiteral("nan");  // whatever its sign bit
  char buffer[64];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
  if (ec != std::errc()) return QStringLiteral("0");
  return QString::fromLatin1(buffer, end - buffer);
}

QString ExactStr(double value) {
  if (!std::isfinite(value)) return Str(value);
  if (value == 0.0) value = 0.0;  // no "-0"
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (ec != std::errc()) return QStringLiteral("0");
  return QString::fromLatin1(buffer, end - buffer);
}

}  // namespace ui
