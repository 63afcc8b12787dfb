// Explicit colours for windows and controls, so that a dark desktop theme
// cannot hide black text on white.
#pragma once

#include <QColor>
#include <QPalette>

#include "ui/Layout.h"

namespace ui::internal {

inline QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// Sets a colour role in every colour group, so an active, inactive or
// disabled widget all use it.
inline void SetRole(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
  palette.setColor(QPalette::Active, role, colour);
  palette.setColor(QPalette::Inactive, role, colour);
  palette.setColor(QPalette::Disabled, role, colour);
}

// A window's palette: its background colour, black text on white fields,
// grey for what is disabled.
QPalette WindowPalette(Rgb backColor);

}  // namespace ui::internal
