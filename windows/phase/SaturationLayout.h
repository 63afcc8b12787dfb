// What the two saturation windows (homogenization and liquid-vapour
// equilibrium) share of their layout and handlers: the table rows of their
// labels and rules, the heading and the critical-point notes that both show
// in the same place (the critical point the equation's own, found when a
// window first opens), the emptying of result labels and the showing of the
// coexisting phases.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "ui/Window.h"
#include "thermo/Coexistence.h"
#include "thermo/Constants.h"
#include "windows/statepoint/StateLabels.h"

namespace saturation_windows {

// The window: white, 635 pixels wide at every height from 400 to 925,
// centred on the screen when it opens.
constexpr ui::WindowLayout Window(const char* className, const char* title, int height) {
  return {.className = className, .title = title, .width = 635, .height = height, .placement = ui::Placement::Centred,
          .minWidth = 635, .minHeight = 400, .maxWidth = 635, .maxHeight = 925,
          .resizeable = true};
}

// A label: left-aligned black text in the system font, size 16 unless given.
constexpr ui::ControlLayout Text(const char* name, int left, int top, int width, int height,
                               const char* text, int size = 16) {
  return {.kind = ui::Kind::StaticText, .name = name, .left = left, .top = top, .width = width,
          .height = height, .text = text, .font = {.size = size}};
}

// A black horizontal rule one pixel wide from x1 to x2 at height y.
constexpr ui::ControlLayout Rule(const char* name, int x1, int y, int x2) {
  return {.kind = ui::Kind::Line, .name = name, .left = x1, .top = y, .width = x2 - x1,
          .height = 0, .x1 = x1, .y1 = y, .x2 = x2, .y2 = y, .borderWidth = 1};
}

// The heading, top left.
inline constexpr ui::ControlLayout kText1{
    .kind = ui::Kind::StaticText, .name = "Text1", .left = 20, .top = 20, .width = 250,
    .height = 25, .text = "Limits of liquid-vapour curve", .font = {.size = 16},
    .multiline = true};
// The limits of the auxiliary curve: a label laid out above the window's
// top edge, so never seen.
inline constexpr ui::ControlLayout kText11{
    .kind = ui::Kind::StaticText, .name = "Text11", .left = 20, .top = -313, .width = 313,
    .height = 63,
    .text = "Limits of liquid-vapour curve\r critical point: 647.096 K, 22.064 MPa\r triple point: 273.16 K",
    .font = {.size = 16}, .multiline = true};
// The critical and triple points the windows work with, top right; the
// critical point's figures are the equation's own, filled in by
// WithCriticalPointNote.
inline constexpr ui::ControlLayout kText12{
    .kind = ui::Kind::StaticText, .name = "Text12", .left = 265, .top = 20, .width = 280,
    .height = 45, .text = "", .font = {.size = 12}, .multiline = true};

// The equation's critical pressure as the upper limit of the curve in the
// windows' messages: rounded down to 7 digits, so that the limit as typed
// is accepted.
inline QString CriticalPressureLimit() {
  return ui::Str(std::floor(thermo::EquationCriticalPoint().P * 1e5) / 1e5);
}

// The note of `Text12`: the equation's critical point, to the digits the
// steam tables give it, and the triple point.
inline const std::string& CriticalPointNote() {
  static const std::string note = [] {
    const thermo::CriticalPoint& cp = thermo::EquationCriticalPoint();
    const QString text =
        QStringLiteral("critical temperature %1 K (%2 ˚C)\rcritical pressure %3 MPa (%4 bar)\r"
                       "triple point: 273.16 K (0.01 ˚C), 0.000612 MPa")
            .arg(cp.T, 0, 'f', 3)
            .arg(cp.T - thermo::CelsiusOffset, 0, 'f', 3)
            .arg(cp.P, 0, 'f', 3)
            .arg(10.0 * cp.P, 0, 'f', 2);
    return text.toStdString();
  }();
  return note;
}

// A window's layout table with the critical point note filled in.
template <std::size_t N>
std::array<ui::ControlLayout, N> WithCriticalPointNote(const ui::ControlLayout (&controls)[N]) {
  std::array<ui::ControlLayout, N> out{};
  for (std::size_t i = 0; i < N; ++i) {
    out[i] = controls[i];
    if (std::string_view(out[i].name) == kText12.name) out[i].text = CriticalPointNote().c_str();
  }
  return out;
}

// Empties the labels of those names, in that order.
inline void Empty(const ui::Window& w, std::initializer_list<const char*> names) {
  for (const char* name : names) w.Label(name)->SetText(QString());
}

// The molar volumes of the coexisting liquid and vapour in `MolarV1` and
// `MolarV2`, their densities in g/cm3 in `Dens1` and `Dens2`.
inline void ShowPhases(const ui::Window& w, const thermo::Coexistence& c) {
  w.Label("MolarV1")->SetText(ui::Str(c.VL));
  w.Label("MolarV2")->SetText(ui::Str(c.VV));
  const double rho1 = thermo::DensityGcm3(c.VL);
  const double rho2 = thermo::DensityGcm3(c.VV);
  w.Label("Dens1")->SetText(rho1 > 0 ? ui::Str(rho1) : QString());
  w.Label("Dens2")->SetText(rho2 > 0 ? ui::Str(rho2) : QString());
}

}  // namespace saturation_windows
