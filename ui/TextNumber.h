// Numbers as the windows read and show them: Val and Str, and the reading of
// a temperature entry in kelvin or degrees Celsius.
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
// A whole number as text, all its digits: "12", "-3", "1000001".
template <std::integral I>
QString Str(I value) {
  return QString::number(value);
}

// The temperature, in kelvin, that a temperature entry stands for: its
// number as it stands with the unit kelvin, or plus 273.15 with the unit
// degrees Celsius. Nothing for an empty or non-numeric entry, in either unit
// (so an empty Celsius entry is not 0 degrees). Whether the temperature is
// above 0 K, or inside the range a calculation takes, is for the caller.
std::optional<double> EntryKelvin(const QString& text, bool celsius);

}  // namespace ui
