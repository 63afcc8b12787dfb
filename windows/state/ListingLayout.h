// The layout the two zero-function listings share: the window and its list
// and button are alike; the caption's second line names the variable. Also
// the headings and the row of two numbers of these listings and the
// isochore table.
#pragma once

#include "ui/Window.h"

namespace listing_layout {

inline constexpr ui::WindowLayout Window(const char* className) {
  return ui::WindowLayout{
      .className = className,
      .title = "Mathematical Analysis",
      .width = 260,
      .height = 425,
      .placement = ui::Placement::Default,
  };
}

inline constexpr ui::ControlLayout ListBox1{
    .kind = ui::Kind::Listbox, .name = "ListBox1", .left = 20, .top = 105, .width = 220, .height = 300,
    .font = {.size = 10}};
inline constexpr ui::ControlLayout Calculate{
    .kind = ui::Kind::PushButton, .name = "calculate", .left = 80, .top = 60, .width = 100, .height = 30,
    .text = "calculate", .font = {.size = 16}, .isDefault = true};

inline constexpr ui::ControlLayout Caption(const char* text) {
  return ui::ControlLayout{.kind = ui::Kind::StaticText, .name = "StaticText1", .left = 20, .top = 20,
                         .width = 215, .height = 30, .text = text, .font = {.size = 12}, .textAlign = ui::TextAlign::Left,
                         .multiline = true};
}

// Empties the list and names its two columns, as these windows do each time
// they become active.
inline void ResetList(ui::Listbox* list, const QString& first, const QString& second) {
  list->DeleteAllRows();
  list->Heading(0, first);
  list->Heading(1, second);
}

// Appends a row, as every table of these windows does: a new last row, then
// both of its cells, the first a number.
inline void AddRow(ui::Listbox* list, double first, const QString& second) {
  list->AddRow(QStringLiteral(" "));
  list->Cell(list->LastIndex(), 0, ui::Str(first));
  list->Cell(list->LastIndex(), 1, second);
}

// A row of two numbers.
inline void AddRow(ui::Listbox* list, double first, double second) {
  AddRow(list, first, ui::Str(second));
}

}  // namespace listing_layout
