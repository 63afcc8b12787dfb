// Where a window's frame goes on the screen, and how large a window may
// be. The window manager draws the frame (title bar, borders) only once
// the window is shown, so a window is placed and sized twice: before it is
// shown, for the frame last seen on a window of the program, and again once
// its own frame is known, should that frame differ or lie off the screen's
// free area.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <functional>

namespace ui::internal {

// The part of the screen's free area (`available`, in the program's pixels)
// that a frame may cover. At a fractional scale (1.25, 1.5, 1.75) every
// position, size and frame margin is rounded to whole screen pixels on its
// own, so a frame that ends on the area's last pixel may end one or two
// screen pixels past it (a client of 545 at 1.5 is 818 screen pixels): the
// area then loses a pixel at its top and left and two at its right and
// bottom. At a whole scale nothing is rounded and the area is `available`.
QRect WorkArea(const QRect& available, qreal scale);
// The same for the screen the window is on (the primary screen before it
// has one); an empty rectangle without a screen.
QRect WorkArea(const QWidget* window);

// The top-left corner of the frame of a window with that client size and a
// frame of those margins, wanted with its top-left at `wanted`, within
// `area`: moved back from the right and bottom edges as far as the frame
// goes over them, but never past the left and top edges, so a frame larger
// than the area starts at its top-left and the title bar stays on it.
QPoint FrameTopLeft(QPoint wanted, QSize client, const QMargins& frame, const QRect& area);

// Places the window with its frame (of those margins) at `wanted`, moved as
// little as FrameTopLeft says to lie within `area`.
void PlaceFrame(QWidget* window, QPoint wanted, const QMargins& frame, const QRect& area);

// The client size of a window whose content is `content`, in a frame of
// those margins within `area`: the content's own size where the frame fits
// the area; otherwise no larger than the area leaves inside the frame, with
// room for a scroll bar (`bar` pixels) across each way the content is cut.
QSize ClientSize(QSize content, const QMargins& frame, const QRect& area, int bar);

// How many pixels more than it must hold each way a window the user can
// resize (one cut to the area is) asks for. At a fractional scale Qt asks
// the window manager to size such a window in steps of whole screen pixels
// (two at 1.5, counted from none), so a window asked 474 wide (711 screen
// pixels) gets 710 and is 473 wide: a pixel short of its page and its
// scroll bar, which then scrolls by one pixel. One pixel more each way
// covers that step at any scale; at a whole scale nothing is rounded.
int RoundingSpare(qreal scale);

// The size a window opens at and the smallest and largest the user may
// make it, for a window whose content (page and menu bar) is `full`, in a
// frame of those margins within `area`, at that scale, with scroll bars
// `bar` pixels wide. One that fits opens at its full size, fixed unless
// resizeable, when the layout's limits (`least`, `most`) hold, widened to
// that size. One that is cut opens as ClientSize says, the RoundingSpare
// added to the room for a bar, and may grow to its full size, the spare
// kept; cut one way only, it keeps the room for the bar beside the page.
struct WindowSizes {
  QSize opening, smallest, largest;
};
WindowSizes Sizes(QSize full, const QMargins& frame, const QRect& area, int bar, qreal scale,
                  bool resizeable, QSize least, QSize most);

// Margins the window manager has drawn around a window: none of them
// negative (while its frame is still being made, a window manager's frame
// can be smaller than the window, which gives negative margins) and not
// all zero (no frame yet, or no window manager).
bool Framed(const QMargins& frame);

// The margins of the last frame the window manager drew around a window of
// the program; none before the first, or without a window manager.
QMargins LastFrameMargins();

// Watches the (created) window until its frame is known. Then `fit` gets
// that frame, for the window to size itself for it, and the window is
// moved, as little as FrameTopLeft says, should the frame lie off the work
// area of its screen. Once the frame is seen within the area the window is
// left alone, wherever the user moves it; a window that never gets a frame
// stays where it was put, and one the window manager keeps off the area is
// moved twice at most.
void KeepFrameInside(QWidget* window, std::function<void(const QMargins&)> fit);

}  // namespace ui::internal
