// Where a window's frame goes on the screen. The window manager draws the
// frame (title bar, borders) only once the window is shown, so a window is
// placed twice: before it is shown, for the frame last seen on a window of
// the program, and again once its own frame is known, should that frame
// lie off the screen's free area.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace ui::internal {

// The top-left corner of the frame of a window with that client size and a
// frame of those margins, wanted with its top-left at `wanted`, within
// `area`: moved back from the right and bottom edges as far as the frame
// goes over them, but never past the left and top edges, so a frame larger
// than the area starts at its top-left and the title bar stays on it.
QPoint FrameTopLeft(QPoint wanted, QSize client, const QMargins& frame, const QRect& area);

// The margins of the last frame the window manager drew around a window of
// the program; none before the first, or without a window manager.
QMargins LastFrameMargins();

// Watches the (created) window until its frame is known, and moves it, as
// little as FrameTopLeft says, should the frame lie off the free area of
// its screen. Once the frame is seen within the area the window is left
// alone, wherever the user moves it; a window that never gets a frame
// stays where it was put.
void KeepFrameInside(QWidget* window);

}  // namespace ui::internal
