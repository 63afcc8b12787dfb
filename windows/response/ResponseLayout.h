// Building blocks of the response windows' layout tables: the result set
// and the heat capacities' result row with its unit pair.
#pragma once

#include <array>
#include <cstddef>

#include "ui/Window.h"
#include "windows/statepoint/MemberLayout.h"

namespace response_windows {

// The result set of every response window: its one figure.
inline constexpr const char* ResultSet[] = {"Result"};

using member_layout::Picture;
using member_layout::Text;

// The heat capacities' controls after the skeleton's, in creation order:
// the result row 10 pixels under the line at `line` ("Heat Capacity", the
// result, its unit) with the unit pair at its right, then the pictures.
template <std::size_t N>
constexpr std::array<ui::ControlSpec, 6 + N> HeatCapacityRow(
    int line, const std::array<ui::ControlSpec, N>& canvases) {
  using ui::Kind;
  std::array<ui::ControlSpec, 6 + N> row{
      Text("Result", "", 150, line + 10, 100),
      Text("StaticText11", "J/mol K", 260, line + 10, 65),
      Text("Textfunc", "Heat Capacity", 20, line + 10, 110),
      ui::ControlSpec{.kind = Kind::GroupBox, .name = "GroupBox3", .left = 340, .top = line + 11,
                      .width = 100, .height = 54, .text = ""},
      ui::ControlSpec{.kind = Kind::RadioButton, .name = "Jmol", .left = 347, .top = line + 18,
                      .width = 85, .height = 20, .text = "in J/mol K", .font = {.size = 12},
                      .value = true, .parent = "GroupBox3"},
      ui::ControlSpec{.kind = Kind::RadioButton, .name = "kJkg", .left = 347, .top = line + 39,
                      .width = 85, .height = 20, .text = "in kJ/kg K", .font = {.size = 12},
                      .value = false, .parent = "GroupBox3"},
  };
  for (std::size_t i = 0; i < N; ++i) row[6 + i] = canvases[i];
  return row;
}

}  // namespace response_windows
