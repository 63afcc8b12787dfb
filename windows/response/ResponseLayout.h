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
constexpr std::array<ui::ControlLayout, 6 + N> HeatCapacityRow(
    int line, const std::array<ui::ControlLayout, N>& canvases) {
  using member_layout::Join;
  const std::array<ui::ControlLayout, 3> row{{
      Text("Result", "", 150, line + 10, 100),
      Text("StaticText11", "J/mol K", 260, line + 10, 65),
      Text("Textfunc", "Heat Capacity", 20, line + 10, 110),
  }};
  return Join(Join(row, member_layout::UnitPair(340, line + 11, 100, "in J/mol K", "in kJ/kg K")), canvases);
}

}  // namespace response_windows
