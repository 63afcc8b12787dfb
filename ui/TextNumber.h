// Numbers as the windows read and show them: Val and Str, and the reading of
// an entry that may hold no number.
#pragma once

#include <QString>

#include <concepts>
#include <optional>

namespace ui {

// The number a text stands for: blanks around it ignored, the whole text a
// decimal number in the C locale (sign, digits with one optional point,
// optional exponent: "12", " -1.5e3 ", ".5"); anything else ("18,5",
// "0x10", "nan", "inf", "12 K") and any value that is not finite ("1e999")
// reads as 0. "-0" reads as plain 0. Independent of the process's locale.
double Val(const QString& text);
// A number as text: C locale, at most 7 significant digits, "%.7g" form
// without trailing zeros ("18.0684", "1.234568e+07", "0"); -0 gives "0",
// a NaN "nan", infinities "inf" and "-inf".
QString Str(double value);
// A finite number as the shortest text that Val reads back as the same
// double ("18.068376747561512", "0.1", "5000"), for an entry that must
// stand for exactly that number; -0 gives "0". Non-finite values as Str.
QString ExactStr(double value);
// A whole number as text, all its digits: "12", "-3", "1000001".
template <std::integral I>
QString Str(I value) {
  return QString::number(value);
}

// The number an entry's text stands for, as Val reads it, or nothing for a
// text that is no number (empty, "abc", "12 K", "1e999"): unlike Val, an
// entry that is no number is not 0.
std::optional<double> EnteredNumber(const QString& text);

}  // namespace ui
