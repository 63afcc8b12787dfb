// The controls a member of the calculator skeleton adds most often to its
// layout table: a label of its result rows and a formula picture.
#pragma once

#include "ui/Window.h"

namespace member_layout {

// A single-line label, 25 high, at 16 points.
constexpr ui::ControlSpec Text(const char* name, const char* text, int left, int top, int width) {
  return {.kind = ui::Kind::StaticText, .name = name, .left = left, .top = top, .width = width,
          .height = 25, .text = text, .font = {.size = 16}};
}

// A canvas showing a picture of the catalogue.
constexpr ui::ControlSpec Picture(const char* name, int id, int left, int top, int width,
                                  int height) {
  return {.kind = ui::Kind::Canvas, .name = name, .left = left, .top = top, .width = width,
          .height = height, .picture = id};
}

}  // namespace member_layout
