// The temperature entry of every window that reads or shows a temperature:
// the "in K" / "in ˚C" radio pair beside it, the one rule for reading the
// entry in either unit and for showing a temperature in the unit chosen,
// and the pair's handlers. Also the entry field the calculator windows
// share (120 x 25 at 16 points), for a temperature or any other quantity.
#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include "thermo/Reason.h"
#include "ui/Window.h"

namespace temperature_entry {

// An entry field at (left, top), 120 x 25, text at 16 points.
constexpr ui::ControlLayout Field(const char* name, int left, int top) {
  return {.kind = ui::Kind::EditField, .name = name, .left = left, .top = top, .width = 120,
          .height = 25, .text = "", .font = {.size = 16}};
}

// The radio pair: "Kelvin" ("in K", on when the window opens) at (left,
// top) and "Celsius" ("in ˚C") 21 pixels below, in `parent` or the window.
constexpr ui::ControlLayout KelvinRadio(int left, int top, const char* parent = "") {
  return {.kind = ui::Kind::RadioButton, .name = "Kelvin", .left = left, .top = top, .width = 56,
          .height = 20, .text = "in K", .font = {.size = 12}, .value = true, .parent = parent};
}
constexpr ui::ControlLayout CelsiusRadio(int left, int top, const char* parent = "") {
  return {.kind = ui::Kind::RadioButton, .name = "Celsius", .left = left, .top = top + 21,
          .width = 56, .height = 20, .text = "in ˚C", .font = {.size = 12}, .value = false,
          .parent = parent};
}

// The temperature, in kelvin, that an entry's text stands for: its number
// as it stands in kelvin, or plus 273.15 in degrees Celsius. Nothing for an
// empty or non-numeric text, in either unit (so an empty Celsius entry is
// not 0 degrees). Whether it is above 0 K, or inside the range a
// calculation takes, is for the caller.
std::optional<double> Kelvin(const QString& text, bool celsius);

// Whether the window's pair stands on degrees Celsius.
bool Celsius(const ui::Window& w);
// The window's entry `entry` read in the unit chosen, as Kelvin() does.
std::optional<double> Read(const ui::Window& w, const char* entry);
// A temperature (K) as text in the unit chosen.
QString Shown(const ui::Window& w, double kelvin);
// A temperature (K) as the shortest text that Read gives back as exactly
// that temperature in the unit chosen, where there is one (in ˚C a sum with
// 273.15 may have none: then the nearest).
QString ShownExactly(const ui::Window& w, double kelvin);
// The unit label's text for the unit chosen: "Kelvin" or "˚Celsius".
QString UnitText(const ui::Window& w);

// The message of a reason, a temperature bound in it in the unit chosen.
QString ReasonText(const ui::Window& w, thermo::Reason why);

// A temperature (K) that bounds a range from above, as a message prints it
// in ˚C (`celsius`) or K: rounded down to `decimals` places, so that the
// figure typed back in that unit lies inside the range, with its unit
// ("647.127 K", "373.977 ˚C").
QString UpperBoundText(double kelvin, int decimals, bool celsius);

// The pair's handlers. When a radio becomes the one that is on, the label
// `unitLabel` (none for nullptr) shows the new unit and `changed` runs; a
// click on the radio already on changes nothing.
std::vector<ui::Handler> Handlers(const ui::Window& w, const char* unitLabel,
                                  std::function<void()> changed);

// Back to kelvin, as the window opens. Turning "Kelvin" on raises its
// Action, so a switch from Celsius runs the handlers above.
void Reset(const ui::Window& w);

}  // namespace temperature_entry
