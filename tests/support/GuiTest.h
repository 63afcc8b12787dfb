// Support for the GUI tests. The support library brings main(): one
// QApplication on the offscreen platform (unless QT_QPA_PLATFORM names
// another), C locale, 96 DPI, no quitting when the last window closes.
// Tests find controls by their layout names and drive them with real key
// and mouse events.
#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QScreen>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <string>
#include <vector>

#include "ui/Window.h"

namespace guitest {

// Every test starts and ends with no shared windows.
class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// The control of that name; fails the test (and returns nullptr) when the
// window has none.
QWidget* FindControl(const ui::Window* window, const char* name, int index = ui::NoIndex);
template <class T>
T* Find(const ui::Window* window, const char* name, int index = ui::NoIndex) {
  auto* found = dynamic_cast<T*>(FindControl(window, name, index));
  if (found == nullptr) ADD_FAILURE() << "control " << name << " is not of the kind asked for";
  return found;
}

// Shows the window and waits until it is exposed and active.
bool ShowAndWait(ui::Window* window);
// Lets pending events (paint, activation, deferred deletes) run.
void Settle();
// The windows of the layer that are on screen.
std::vector<const ui::Window*> VisibleWindows();

// The small screen beside the main one (640 x 480, what 800 x 600 at scale
// 1.25 leaves), for windows that do not fit it. Without it (another
// platform, or its set-up failed) the test fails, and gets the main screen.
QScreen* SmallScreen();
// The shared instance of W, built on the small screen.
template <class W>
W* SharedOnSmallScreen() {
  auto* window = new W();
  window->move(SmallScreen()->geometry().topLeft());  // where it is built
  ui::RegisterShared(W::ClassName, window);
  window->Build();
  return window;
}
// Adds a failure for each way the window, once shown, is not cut in height
// to the small screen: its frame off the screen's free area, no vertical
// scroll bar, a horizontal one.
void ExpectCutInHeightToTheSmallScreen(const ui::Window* window);

// Types the text key by key into the control, after giving it the focus.
void TypeInto(QWidget* control, const QString& text);
// Empties a text field the way a user does: select all, then Delete.
void ClearByKeys(QWidget* control);
// A left click at the centre of the control, delivered through its window
// like a real click, so whatever lies on top at that point receives it.
void Click(QWidget* control);
// A left click at a point in window coordinates.
void ClickAt(ui::Window* window, QPoint point);
// The Return key pressed while the control has the focus.
void PressReturn(QWidget* control);

// The name of the control of the window that has the keyboard focus ("" for
// none, or for a control of another window).
QString FocusName(const ui::Window* window);
// Presses Tab (Shift+Tab when `backwards`) `presses` times where the focus
// is, as a user does, and returns the name of the control the focus lands
// on after each press.
QStringList TabStops(const ui::Window* window, int presses, bool backwards = false);

// What a label shows: its text as drawn (CR already a line break), colour
// and text size (as set, and as drawn after fitting).
QString LabelText(const QWidget* label);
QColor LabelColour(const QWidget* label);
int LabelSize(const QWidget* label);
int LabelDrawnSize(const QWidget* label);

// The names of the controls whose text does not fit the rectangle the
// layout gives them (labels, buttons, radio buttons, group-box captions),
// each with the reason; a label also when it had to be drawn at less than
// three quarters of its text size to fit. Empty when all fit.
std::vector<std::string> TextsThatDoNotFit(const ui::Window* window);
// Adds a test failure for each of them.
void ExpectTextsFit(const ui::Window* window);

// Saves a PNG of the window into the folder named by TARVO_SCREENSHOTS, as
// <name>.png; does nothing when the variable is not set. Returns the path
// written, or an empty text.
QString SaveScreenshot(QWidget* window, const QString& name);

}  // namespace guitest
