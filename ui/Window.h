// The window layer of the program, on Qt 6 Widgets.
//
// Every window is one class derived from ui::Window with one shared instance,
// found by its full class name ("PressuresWindow.PressuresWindow") and built
// on first use. A window is described by declarative tables: a WindowLayout for
// the window's own properties and a list of ControlLayout, one per control, in
// the order the controls are created. Behaviour lives only in handlers, which
// a window attaches to single controls by name; a handler is attached right
// after its control's properties have been applied, so layout values (a radio
// that starts on, an initial text) never run a handler.
//
// Decisions on the framework's behaviour that the windows rely on:
//   - A radio button's Action runs when it is turned on, by the user or by
//     code; never for a click on a radio that is already on, never from
//     layout values. Code can turn every radio of a group off.
//   - Setting a field's text from code raises its TextChange, like typing.
//   - The Return key presses the window's default button, also while a text
//     field has the focus; a field whose layout names a button of its own
//     (ControlLayout::returnButton) presses that one instead.
//   - Activate runs each time the window becomes the active window, its
//     first showing included.
//   - Closing a window hides it and keeps the instance: the next accessor call
//     returns the same window, and a handler still running inside a
//     background-task yield never touches a deleted window. Closing the last
//     visible window ends the program.
//   - A group box or rectangle created after the radio buttons it frames does
//     not take their clicks.
//   - "System" is the desktop's interface font; "arial" and "palatino" ask for
//     those families with fallbacks. Text sizes are scaled down where needed
//     so every text fits the rectangle the layout gives it. Colours are
//     explicit (white windows, black or red text) whatever the desktop theme.
//   - A CR in a text breaks the line in a multi-line label; "˚" is U+02DA.
//   - Val reads a whole C-locale decimal number, blanks around it ignored;
//     anything else, and any value that is not finite, reads as 0. Str
//     writes "%.7g" in the C locale (details in TextNumber.h).
//   - The background-task hook lets pending events run at most about every
//     20 ms, so a long search costs essentially no more than without it.
//   - Text files (TextFile.h) are created in the process's current folder
//     with Unix line ends; the program's texts are ASCII, so the Windows
//     ANSI conversion writes them unchanged.
//   - The menu bar's keyboard shortcuts work in every window (see
//     SetWindowActions).
//   - The keyboard focus: Tab visits the entries, buttons, radio buttons
//     and lists in the order the layout names (WindowLayout::focusOrder),
//     the others in reading order (top to bottom, each line left to right).
//     A window opens with the focus in its first entry field, or, without
//     one, in the first control of that order, and shows the focus mark
//     from the start.
//
// How these are met on Qt:
//   - Every control is a child of the window's page, placed in the
//     layout's coordinates; InitialParent only decides which radios form a
//     group. The page has the size the layout gives the content and lies
//     in a scroll area that fills the window (below the menu bar of a
//     window that has one, which never scrolls). A window whose frame fits
//     the screen's free area has the page's size, fixed unless the layout
//     makes it resizeable, and shows no scroll bar. One whose frame would
//     not fit opens no larger than that area, with scroll bars, and the
//     user may make it as large as on a large screen, where the bars go.
//     A control that gets the focus is scrolled into view, and so are the
//     figures the layout names (WindowLayout::figures) once the default
//     button's handler has run, the focus staying where it is.
//     Radios with the same parent share one QButtonGroup; to turn the last
//     one off, the group's exclusivity is lifted for that one step.
//     Action runs on the radio's toggled(true), so a click on a radio that
//     is already on raises nothing.
//   - EditField::SetText is QLineEdit::setText, whose textChanged raises
//     TextChange; setting the text it already has is no change and raises
//     nothing.
//   - Return that the focused control does not use (a line edit, a radio, an
//     ordinary button) reaches the window, which clicks the focused field's
//     own button, or else the default button.
//   - Activate is the window's WindowActivate event; Show() asks for
//     activation, and the offscreen platform activates a window it shows.
//   - Group boxes and rectangles are frames: they are transparent to the
//     mouse and stacked below the other controls.
//   - Text sizes are pixel sizes (1 pt = 1 px, as the layouts were drawn);
//     size 0 is DefaultTextSize. A label's text is drawn at the largest size
//     up to its TextSize() that fits its rectangle, worked out again at every
//     SetText and SetTextSize, so use those rather than QLabel::setText.
//   - A CR in the text of a single-line label shows as a blank.
//   - Captions are plain text: an "&" shows as itself, not as a shortcut.
//   - A radio group is one Tab stop once one of its radios is on (Qt's own
//     rule); the arrow keys move within it.
#pragma once

#include <QAction>
#include <QMargins>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <span>
#include <vector>

#include "ui/Controls.h"
#include "ui/Layout.h"
#include "ui/TextNumber.h"

namespace ui {

class Window : public QWidget {
 public:
  Window();
  ~Window() override;

  // Shows the window and brings it to the front; never a second copy.
  void Show();

  // The control of that name (and control-array index), or nullptr.
  QWidget* Control(const char* name, int index = NoIndex) const;
  // Typed lookups: nullptr when there is no such control of that kind.
  StaticText* Label(const char* name, int index = NoIndex) const;
  EditField* Field(const char* name, int index = NoIndex) const;
  PushButton* Button(const char* name, int index = NoIndex) const;
  RadioButton* Radio(const char* name, int index = NoIndex) const;
  Listbox* List(const char* name, int index = NoIndex) const;
  template <class T>
  T* Find(const char* name, int index = NoIndex) const {
    return dynamic_cast<T*>(Control(name, index));
  }
  // Every control in list order (for tests and tools that walk a window).
  std::vector<QWidget*> AllControls() const;
  // The name and index a control was built under ("" for a foreign widget).
  QString NameOf(const QWidget* control, int* index = nullptr) const;

  // Builds the window from Layout(), Controls() and Handlers(); called once by
  // Shared<W>() right after construction.
  void Build();

 protected:
  virtual const WindowLayout& Layout() const = 0;
  virtual std::span<const ControlLayout> Controls() const = 0;
  virtual std::vector<Handler> Handlers() { return {}; }
  // The window's Activate event; windows that react to it override this.
  virtual void Event_Activate() {}

  bool event(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

  // Puts `bar` (a menu bar) across the top of a window of fixed size, once
  // built, above the scroll area: the window grows by the bar's height and
  // is sized and placed again, so that one then too large for the screen
  // is cut to it and scrolls its page below the bar, which stays in view.
  void PlaceBarOnTop(QWidget* bar);

 private:
  // The page the controls are built on, in a scroll area filling the window.
  void MakePage();
  // Sizes the window for a frame of those margins on its screen: as the
  // layout says where the frame fits the work area, else no larger than
  // the area and free to grow to its full size.
  void FitToArea(const QMargins& frame);
  // After a press of the default button, the figures come into view.
  void FollowTheFigures();
  void BringFiguresIntoView();

  struct Impl;
  Impl* impl_;
};

// Registry of shared instances by full class name.
Window* FindShared(const char* className);
void RegisterShared(const char* className, Window* window);
// Drops every shared instance (the framework's window lists at shutdown).
void ReleaseAllShared();

// The shared-instance accessor: the live instance of W, built on first use.
// W declares `static constexpr const char* ClassName`.
template <class W>
W* Shared() {
  if (Window* existing = FindShared(W::ClassName)) return static_cast<W*>(existing);
  auto* window = new W();
  RegisterShared(W::ClassName, window);
  window->Build();
  return window;
}

// ------------------------------------------------------------- pictures

// The source of pictures by resource ID (the application's picture
// catalogue installs it). It returns nullptr for a picture it cannot find;
// the control then stays blank, and the next window build asks again.
using PictureSource = const QPixmap* (*)(int id);
void SetPictureSource(PictureSource source);

// ------------------------------------------------------------- shortcuts

// Actions that every window built from now on carries, so that their
// keyboard shortcuts (the menu bar's Quit and Edit items) work in whichever
// window is active, also once the window that shows the menu bar is closed.
// An action deleted later simply drops out.
void SetWindowActions(const QList<QAction*>& actions);

}  // namespace ui
