// Shared fixture and functions of the state-window tests: every test starts
// with the state point at 0 and no background hook, and drives its windows
// through their controls by name.
#pragma once

#include "tests/support/GuiTest.h"

#include "catalogue/Pictures.h"
#include "eos/Globals.h"
#include "thermo/Reason.h"
#include "thermo/StatePoint.h"
#include "ui/Controls.h"
#include "ui/Window.h"

#include <QApplication>
#include <QString>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace statetest {

using thermo::Reason;

// The message a window shows in its warning line for a reason.
inline QString Why(Reason reason) { return QString::fromUtf8(thermo::ReasonText(reason)); }

class StateTest : public guitest::GuiTest {
 protected:
  void SetUp() override {
    guitest::GuiTest::SetUp();
    thermo::StatePoint::Clear();
    Globals::SetBackgroundTask(nullptr);
  }
  void TearDown() override {
    Globals::SetBackgroundTask(nullptr);
    guitest::GuiTest::TearDown();
  }
};

// For windows that show pictures: as StateTest, with the picture catalogue
// installed from the pictures beside the test program.
class PicturesTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    pictures::Install();
  }
  void TearDown() override {
    pictures::ReleaseAll();
    StateTest::TearDown();
  }
};

// The shared window of class W, built on first use and shown.
template <class W>
W* Open() {
  W* w = ui::Shared<W>();
  EXPECT_TRUE(guitest::ShowAndWait(w));
  return w;
}

// A fixture (on StateTest or PicturesTest) whose tests drive one shown
// window of class W.
template <class W, class Base = StateTest>
class WindowTest : public Base {
 protected:
  void SetUp() override {
    Base::SetUp();
    w = Open<W>();
  }
  W* w = nullptr;
};

// What the label (or field) of that name shows.
inline QString Text(const ui::Window* w, const char* name, int index = ui::NoIndex) {
  QWidget* control = guitest::FindControl(w, name, index);
  if (auto* field = dynamic_cast<ui::EditField*>(control)) return field->Text();
  return guitest::LabelText(control);
}

// The program-wide state point.
inline thermo::State Shared() { return thermo::StatePoint::Get(); }

// The number a label shows, read the way the program reads numbers.
inline double Number(const ui::Window* w, const char* name) { return ui::Val(Text(w, name)); }

// Replaces the text of a field the way a user does: select all, delete,
// then type the new text key by key.
inline void Enter(const ui::Window* w, const char* name, const QString& text) {
  QWidget* field = guitest::FindControl(w, name);
  guitest::ClearByKeys(field);
  guitest::TypeInto(field, text);
}

inline void Press(const ui::Window* w, const char* name) { guitest::Click(guitest::FindControl(w, name)); }

inline bool IsOn(const ui::Window* w, const char* name) {
  auto* radio = guitest::Find<ui::RadioButton>(w, name);
  return radio != nullptr && radio->Value();
}

inline int Rows(const ui::Window* w) {
  auto* list = guitest::Find<ui::Listbox>(w, "ListBox1");
  return list != nullptr ? list->RowCount() : -1;
}

inline QString Cell(const ui::Window* w, int row, int column) {
  auto* list = guitest::Find<ui::Listbox>(w, "ListBox1");
  return list != nullptr ? list->CellText(row, column) : QString();
}

inline QString Heading(const ui::Window* w, int column) {
  auto* list = guitest::Find<ui::Listbox>(w, "ListBox1");
  return list != nullptr ? list->HeadingText(column) : QString();
}

// Whether the label of that name is drawn in red.
inline bool IsRed(const ui::Window* w, const char* name) {
  return guitest::LabelColour(guitest::FindControl(w, name)) == QColor(Qt::red);
}

// The saturation limits a state window shows below its entries, as the
// numbers of the liquid's and the vapour's molar volume ("" for none). No
// limit has no heading standing alone; limits have `heading` over them (the
// label `headingName`), each in its sentence.
inline std::pair<QString, QString> Limits(const ui::Window* w, const char* headingName,
                                          const QString& heading) {
  const QString liquid = Text(w, "liquidlimit"), vapour = Text(w, "vapourlimit");
  if (liquid + vapour == "") {
    EXPECT_EQ(Text(w, headingName), "");
    return {};
  }
  EXPECT_EQ(Text(w, headingName), heading);
  EXPECT_TRUE(liquid.startsWith("  Vm (liquid) < ") && liquid.endsWith(" cm3/mol")) << liquid.toStdString();
  EXPECT_TRUE(vapour.startsWith("  Vm (vapour) > ") && vapour.endsWith(" cm3/mol")) << vapour.toStdString();
  return {liquid.mid(16).chopped(8), vapour.mid(16).chopped(8)};
}

// The state step of a calculator window: the mode ("RadioButtonTP" or
// "RadioButtonTV"), the temperature in the unit that is on, the pressure or
// molar volume, then the step's button.
inline void StateStep(const ui::Window* w, const char* mode, const QString& T, const QString& given) {
  Press(w, mode);
  Enter(w, "dataEntryT", T);
  Enter(w, "dataEntryPV", given);
  Press(w, "PushButton1");
}

// The window's canvases.
inline std::vector<const ui::Canvas*> Canvases(const ui::Window* w) {
  std::vector<const ui::Canvas*> found;
  for (const QWidget* child : w->findChildren<QWidget*>())
    if (auto* c = dynamic_cast<const ui::Canvas*>(child)) found.push_back(c);
  return found;
}

// A look at a window with its pictures installed: every canvas (it has
// some) shows its picture at no more than its width, every text fits;
// saves a screenshot.
inline void ExpectLook(ui::Window* w, const QString& screenshot) {
  EXPECT_FALSE(Canvases(w).empty());
  for (const ui::Canvas* c : Canvases(w)) {
    EXPECT_FALSE(c->Backdrop().isNull()) << c->objectName().toStdString();
    EXPECT_LE(c->Backdrop().width(), c->width()) << c->objectName().toStdString();
  }
  guitest::ExpectTextsFit(w);
  guitest::SaveScreenshot(w, screenshot);
}

// How many windows of class W are on screen.
template <class W>
int ShownWindows() {
  int shown = 0;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (dynamic_cast<W*>(top) != nullptr && top->isVisible()) ++shown;
  return shown;
}

// Something a user does while a loop lets events run: DoDuringNextLoop arms
// an action, which the background-task call numbered `step` (from 1) runs,
// once; ActionDone tells whether that call came.
inline std::function<void()> armedAction;
inline long stepsSeen = 0, actionStep = 1;

inline void RunArmedAction() {
  if (++stepsSeen < actionStep || !armedAction) return;
  const std::function<void()> action = std::move(armedAction);
  armedAction = nullptr;  // once
  action();
}

inline void DoDuringNextLoop(std::function<void()> action, long step = 1) {
  armedAction = std::move(action);
  stepsSeen = 0;
  actionStep = step;
  Globals::SetBackgroundTask(&RunArmedAction);
}

inline bool ActionDone() { return !armedAction; }

// Presses of the named buttons of a window, and typing into a field of one,
// made that way.
inline void PressDuringNextLoop(ui::Window* w, std::initializer_list<const char*> buttons) {
  DoDuringNextLoop([w, names = std::vector<const char*>(buttons)] {
    for (const char* name : names) Press(w, name);
  });
}
inline bool PressesMade() { return ActionDone(); }

inline void TypeDuringNextLoop(const ui::Window* w, const char* field, const QString& text) {
  DoDuringNextLoop([w, field, text] { Enter(w, field, text); });
}
inline bool TypingMade() { return ActionDone(); }

// 1000 times the molar mass of water: a density in kg/m3 as a molar volume.
inline constexpr double kDensityFactor = 18015.28;

}  // namespace statetest
