// The declarative tables a window is built from: a WindowLayout for the
// window's own properties, one ControlLayout per control in creation order, and
// the handlers a window attaches to its controls by name. Window.h says how
// a window is built from them.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <span>

namespace ui {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
};
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Red{255, 0, 0};

enum class Kind {
  StaticText,
  EditField,
  PushButton,
  RadioButton,
  GroupBox,
  Canvas,
  ImageWell,
  Line,
  Rectangle,
  Listbox,
};

// How a label's text lies in its width.
enum class TextAlign { Left, Centre, Right };

// Where a window opens: where the desktop puts it, or centred on the screen.
enum class Placement { Default, Centred };

// Index of a control that is not a member of a control array.
inline constexpr int NoIndex = std::numeric_limits<int>::min();

// Text size (pixels) of a control whose layout gives size 0.
inline constexpr int DefaultTextSize = 12;

struct Font {
  const char* family = "System";  // "System"/"system", "arial", "palatino"
  int size = 0;                   // points; 0 is the default size
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// One control of a window's control list. Texts are UTF-8; CR ("\r") breaks
// the line of a multi-line label.
struct ControlLayout {
  Kind kind = Kind::StaticText;
  const char* name = "";
  int left = 0, top = 0, width = 0, height = 0;  // window coordinates
  const char* text = "";     // Text of a label or field, Caption of a button or group box
  Font font{};
  TextAlign textAlign = TextAlign::Left;
  Rgb textColor = Black;
  bool multiline = false;
  bool visible = true;
  bool value = false;        // RadioButton: on when the window opens
  bool isDefault = false;    // PushButton: pressed by the Return key
  // EditField: the button the Return key presses while this field has the
  // focus, instead of the default button; "" for the default button.
  const char* returnButton = "";
  const char* parent = "";   // InitialParent: enclosing GroupBox or Rectangle, "" for the window
  int index = NoIndex;       // member index of a control array
  int picture = 0;           // Canvas backdrop or ImageWell image: picture resource ID, 0 none
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Line end points, window coordinates
  Rgb fillColor = White;               // Rectangle
  Rgb topLeftColor = Black;            // Rectangle border, white for a borderless box
  Rgb bottomRightColor = Black;
  int borderWidth = 1;                 // Line and Rectangle
  Rgb lineColor = Black;               // Line
};

// The field with its own button for the Return key.
constexpr ControlLayout WithReturnButton(ControlLayout field, const char* button) {
  field.returnButton = button;
  return field;
}

struct WindowLayout {
  const char* className = "";  // full class name, "Start.Start"
  const char* title = "";
  int width = 0, height = 0;   // content size
  Placement placement = Placement::Default;
  int minWidth = 64, minHeight = 64;
  int maxWidth = 32000, maxHeight = 32000;
  bool visible = true;         // on screen as soon as built
  bool resizeable = false;
  Rgb backColor = White;
  // The controls the Tab key visits, by name, in this order (names the
  // window lacks are passed over); the others that take the focus follow in
  // reading order. Empty: all in reading order.
  std::span<const char* const> focusOrder = {};
  // The labels a press of the default button fills, by name, the most
  // important first (the first figure, the warning, the other figures).
  // Once its handler has run, a window that scrolls shows as many of them
  // as its view holds together, the first at least. Empty: none.
  std::span<const char* const> figures = {};
};

// The window's properties with the given Tab order.
constexpr WindowLayout WithFocusOrder(WindowLayout window, std::span<const char* const> order) {
  window.focusOrder = order;
  return window;
}

// The window's properties with the given figures.
constexpr WindowLayout WithFigures(WindowLayout window, std::span<const char* const> figures) {
  window.figures = figures;
  return window;
}

enum class Event { Action, TextChange, KeyDown };

// A handler attached to one control (by name and, for a control-array member,
// index) for one event.
struct Handler {
  const char* control;
  Event event;
  std::function<void()> run;
  int index = NoIndex;
};

}  // namespace ui
