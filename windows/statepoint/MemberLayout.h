// The controls a member of the calculator skeleton adds most often to its
// layout table: a label of its result rows, a formula picture, and the unit
// pair `Jmol` / `kJkg` of the members that show their figures per mole or
// per mass; and the joining of such tables.
#pragma once

#include <array>
#include <cstddef>

#include "ui/Window.h"

namespace member_layout {

// A single-line label, 25 high, at 16 points.
constexpr ui::ControlLayout Text(const char* name, const char* text, int left, int top, int width) {
  return {.kind = ui::Kind::StaticText, .name = name, .left = left, .top = top, .width = width,
          .height = 25, .text = text, .font = {.size = 16}};
}

// A canvas showing a picture of the catalogue.
constexpr ui::ControlLayout Picture(const char* name, int id, int left, int top, int width,
                                  int height) {
  return {.kind = ui::Kind::Canvas, .name = name, .left = left, .top = top, .width = width,
          .height = height, .picture = id};
}

// The unit pair: the group box `GroupBox3` at (left, top), `width` wide and
// 54 high, holding `Jmol` (on, caption `perMole`) over `kJkg` (`perMass`).
constexpr std::array<ui::ControlLayout, 3> UnitPair(int left, int top, int width, const char* perMole,
                                                  const char* perMass) {
  using ui::Kind;
  return {{
      {.kind = Kind::GroupBox, .name = "GroupBox3", .left = left, .top = top, .width = width,
       .height = 54, .text = ""},
      {.kind = Kind::RadioButton, .name = "Jmol", .left = left + 7, .top = top + 7, .width = width - 15,
       .height = 20, .text = perMole, .font = {.size = 12}, .value = true, .parent = "GroupBox3"},
      {.kind = Kind::RadioButton, .name = "kJkg", .left = left + 7, .top = top + 28,
       .width = width - 15, .height = 20, .text = perMass, .font = {.size = 12}, .value = false,
       .parent = "GroupBox3"},
  }};
}

// The controls of two tables, one after the other.
template <std::size_t N, std::size_t M>
constexpr std::array<ui::ControlLayout, N + M> Join(const std::array<ui::ControlLayout, N>& a,
                                                  const std::array<ui::ControlLayout, M>& b) {
  std::array<ui::ControlLayout, N + M> all{};
  for (std::size_t i = 0; i < N; ++i) all[i] = a[i];
  for (std::size_t i = 0; i < M; ++i) all[N + i] = b[i];
  return all;
}

}  // namespace member_layout
