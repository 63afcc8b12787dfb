// What the energy-function windows (internal energy, enthalpy, entropy,
// Helmholtz and Gibbs energy) have in common: the unit pair that shows
// their figures per mole or per mass, and the block of result controls
// below the state-point part of the window.
//
// Each window shows its function F(T, V) of the equation of state twice
// (thermo/EnergyScales.h): in `Result` on the triple-point scale and in
// `Result1` on the 25 ˚C, 0.1 MPa scale of the CODATA key values for liquid
// water (enthalpy of formation -285.830 kJ/mol, entropy 69.95 J/(mol K)).
// Where the equation gives no value for the state, both show a red "no
// result".
#pragma once

#include "ui/Window.h"
#include "windows/statepoint/MemberLayout.h"

#include <array>

namespace energy_windows {

// The units of a window's figures: texts of the unit labels and of the two
// radio buttons, and the places in the result block that the longer texts
// of the entropy units need.
struct Units {
  const char* perMole;         // `StaticText11`, `StaticText12` while `Jmol` is on
  const char* perMass;         // ... while `kJkg` is on
  const char* perMoleCaption;  // `Jmol`
  const char* perMassCaption;  // `kJkg`
  int nameWidth;               // `Textfunc`
  int resultLeft;              // `Result`, `Result1`
  int unitLeft, unitWidth;     // `StaticText11` (`StaticText12` one pixel to the left)
  int pairLeft, pairWidth;     // `GroupBox3`
};

inline constexpr Units EnergyUnits{"J/mol", "kJ/kg", "in J/mol", "in kJ/kg", 145, 170, 290, 59, 350, 90};
inline constexpr Units EntropyUnits{"J/mol K", "kJ/kg K", "in J/mol K", "in kJ/kg K", 100, 140, 260, 65, 340, 100};

// The result set: the labels that the state-point part of the window
// empties together.
inline constexpr const char* ResultSet[] = {"Result", "Result1"};

// ------------------------------------------------------------ the layout

// The result block under the line at y `line`: the function's name, the
// two results with their unit labels, the unit pair and the two lines
// naming the reference states.
struct ResultBlock {
  int line;
  const char* name;            // `Textfunc` and `EnergyText`
  int energyTextWidth;
  const char* triplePointLine; // `StaticText13`
  const char* refStateLine;    // `StaticText14`, two lines
  int refStateHeight = 30;
};

constexpr std::array<ui::ControlLayout, 11> ResultBlockControls(const ResultBlock& b, const Units& u) {
  using member_layout::Join;
  using ui::Kind;
  const int L = b.line;
  const ui::Font big{.size = 16};
  const ui::Font small{.size = 12};
  const std::array<ui::ControlLayout, 6> results{{
      {.kind = Kind::StaticText, .name = "EnergyText", .left = 20, .top = L + 65,
       .width = b.energyTextWidth, .height = 25, .text = b.name, .font = big},
      {.kind = Kind::StaticText, .name = "Result", .left = u.resultLeft, .top = L + 10, .width = 110,
       .height = 25, .text = "", .font = big},
      {.kind = Kind::StaticText, .name = "StaticText11", .left = u.unitLeft, .top = L + 10,
       .width = u.unitWidth, .height = 25, .text = u.perMole, .font = big},
      {.kind = Kind::StaticText, .name = "Textfunc", .left = 20, .top = L + 10, .width = u.nameWidth,
       .height = 25, .text = b.name, .font = big},
      {.kind = Kind::StaticText, .name = "Result1", .left = u.resultLeft, .top = L + 65, .width = 110,
       .height = 25, .text = "", .font = big},
      {.kind = Kind::StaticText, .name = "StaticText12", .left = u.unitLeft - 1, .top = L + 65,
       .width = u.unitWidth, .height = 25, .text = u.perMole, .font = big},
  }};
  const std::array<ui::ControlLayout, 2> references{{
      {.kind = Kind::StaticText, .name = "StaticText13", .left = 40, .top = L + 40, .width = 287,
       .height = 15, .text = b.triplePointLine, .font = small, .multiline = true},
      {.kind = Kind::StaticText, .name = "StaticText14", .left = 40, .top = L + 95, .width = 367,
       .height = b.refStateHeight, .text = b.refStateLine, .font = small, .multiline = true},
  }};
  return Join(Join(results, member_layout::UnitPair(u.pairLeft, L + 11, u.pairWidth, u.perMoleCaption,
                                                    u.perMassCaption)),
              references);
}

}  // namespace energy_windows
