// The procedure chooser: its radio buttons, and "continue" opening the
// window of the procedure that is on.
#include <gtest/gtest.h>

#include <utility>

#include <QApplication>
#include <QImage>
#include <QTest>

#include "tests/support/GuiTest.h"
#include "app/Selection.h"
#include "windows/energy/EnthalpyWindow.h"
#include "windows/energy/EntropyWindow.h"
#include "windows/energy/GibbsWindow.h"
#include "windows/energy/HelmholtzWindow.h"
#include "windows/energy/InternalEnergyWindow.h"
#include "windows/phase/BubbleDewPoint.h"
#include "windows/phase/FugacityWindow.h"
#include "windows/phase/LiquidVapourEq.h"
#include "windows/response/CPWindow.h"
#include "windows/response/CVWindow.h"
#include "windows/response/DielectricWindow.h"
#include "windows/response/JouleWindow.h"
#include "windows/response/SoundWindow.h"
#include "windows/response/ViscosityWindow.h"
#include "windows/state/PressuresWindow.h"
#include "windows/state/TemperatureWindow.h"
#include "windows/state/VolumeWindow.h"

namespace {

using app::Selection;

// The chooser's radio buttons in control-list order.
const char* const kRadios[] = {
    "Enthalpy",       "Entropy",       "HelmholtzEnergy", "GibbsEnergy",  "MolarVolumes",
    "Pressures",      "Temperatures",  "Fugacities",      "Homogenisation", "InternalEnergy",
    "HeatCapacityV",  "HeatCapacityP", "SpeedSound",      "JouleThomson", "Viscosity",
    "Dielectric",     "LiquidVapour",
};

class SelectionTest : public guitest::GuiTest {
 protected:
  Selection* Open() {
    Selection* selection = ui::Shared<Selection>();
    EXPECT_TRUE(guitest::ShowAndWait(selection));
    return selection;
  }
  // A click on the radio's caption (a radio button takes clicks on its
  // indicator and caption, not on the empty rest of its rectangle).
  void Choose(Selection* selection, const char* radio) {
    QWidget* control = guitest::FindControl(selection, radio);
    if (control == nullptr) return;
    guitest::ClickAt(selection, control->geometry().topLeft() + QPoint(20, control->height() / 2));
  }
  void Continue(Selection* selection) {
    guitest::Click(guitest::FindControl(selection, "PushButton1"));
  }
};

TEST_F(SelectionTest, ShowsItselfWhenBuiltWithEveryRadioOff) {
  Selection* selection = ui::Shared<Selection>();
  EXPECT_TRUE(selection->isVisible());
  EXPECT_EQ(selection->windowTitle(), "Procedures");
  EXPECT_EQ(selection->size(), QSize(620, 380));
  const std::vector<QWidget*> controls = selection->AllControls();
  ASSERT_EQ(controls.size(), 2 + std::size(kRadios));
  for (std::size_t i = 0; i < std::size(kRadios); ++i) {
    EXPECT_EQ(selection->NameOf(controls[i + 2]), kRadios[i]) << i;
    auto* radio = guitest::Find<ui::RadioButton>(selection, kRadios[i]);
    ASSERT_NE(radio, nullptr) << kRadios[i];
    EXPECT_FALSE(radio->Value()) << kRadios[i];
  }
  auto* button = guitest::Find<ui::PushButton>(selection, "PushButton1");
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->isDefault());
}

TEST_F(SelectionTest, ContinueWithNoneOnDoesNothing) {
  Selection* selection = Open();
  const auto before = guitest::VisibleWindows();
  Continue(selection);
  EXPECT_EQ(guitest::VisibleWindows(), before);
  EXPECT_EQ(ui::FindShared(PressuresWindow::ClassName), nullptr);
  EXPECT_EQ(ui::FindShared(VolumeWindow::ClassName), nullptr);
  EXPECT_EQ(ui::FindShared(TemperatureWindow::ClassName), nullptr);
}

TEST_F(SelectionTest, TheRadiosFormOneGroup) {
  Selection* selection = Open();
  Choose(selection, "Pressures");
  Choose(selection, "Viscosity");
  for (const char* name : kRadios) {
    auto* radio = guitest::Find<ui::RadioButton>(selection, name);
    ASSERT_NE(radio, nullptr);
    EXPECT_EQ(radio->Value(), std::string(name) == "Viscosity") << name;
  }
}

TEST_F(SelectionTest, PressuresOpensOneWindowAndBringsItBack) {
  Selection* selection = Open();
  Choose(selection, "Pressures");
  Continue(selection);
  ui::Window* pressures = ui::FindShared(PressuresWindow::ClassName);
  ASSERT_NE(pressures, nullptr);
  EXPECT_TRUE(pressures->isVisible());
  EXPECT_TRUE(selection->isVisible());  // the chooser stays open, its choice on
  EXPECT_TRUE(guitest::Find<ui::RadioButton>(selection, "Pressures")->Value());

  pressures->close();
  guitest::Settle();
  Continue(selection);
  EXPECT_EQ(ui::FindShared(PressuresWindow::ClassName), pressures);
  EXPECT_TRUE(pressures->isVisible());
  EXPECT_EQ(guitest::VisibleWindows().size(), 2u);
}

TEST_F(SelectionTest, AnotherProcedureOpensASecondWindowBesideTheFirst) {
  Selection* selection = Open();
  Choose(selection, "Pressures");
  Continue(selection);
  Choose(selection, "MolarVolumes");
  Continue(selection);
  ui::Window* pressures = ui::FindShared(PressuresWindow::ClassName);
  ui::Window* volume = ui::FindShared(VolumeWindow::ClassName);
  ASSERT_NE(pressures, nullptr);
  ASSERT_NE(volume, nullptr);
  EXPECT_TRUE(pressures->isVisible());
  EXPECT_TRUE(volume->isVisible());
}

TEST_F(SelectionTest, TemperaturesShowsItsHiddenWindow) {
  Selection* selection = Open();
  Choose(selection, "Temperatures");
  Continue(selection);
  ui::Window* temperatures = ui::FindShared(TemperatureWindow::ClassName);
  ASSERT_NE(temperatures, nullptr);
  EXPECT_TRUE(temperatures->isVisible());
}

TEST_F(SelectionTest, EveryCalculatorProcedureOpensItsWindow) {
  Selection* selection = Open();
  const std::pair<const char*, const char*> choices[] = {
      {"Fugacities", FugacityWindow::ClassName},         {"Homogenisation", BubbleDewPoint::ClassName},
      {"LiquidVapour", LiquidVapourEq::ClassName},       {"InternalEnergy", InternalEnergyWindow::ClassName},
      {"Enthalpy", EnthalpyWindow::ClassName},           {"Entropy", EntropyWindow::ClassName},
      {"HelmholtzEnergy", HelmholtzWindow::ClassName},   {"GibbsEnergy", GibbsWindow::ClassName},
      {"HeatCapacityV", CVWindow::ClassName},            {"HeatCapacityP", CPWindow::ClassName},
      {"SpeedSound", SoundWindow::ClassName},            {"JouleThomson", JouleWindow::ClassName},
      {"Viscosity", ViscosityWindow::ClassName},         {"Dielectric", DielectricWindow::ClassName},
  };
  for (const auto& [radio, className] : choices) {
    Choose(selection, radio);
    Continue(selection);
    ui::Window* window = ui::FindShared(className);
    ASSERT_NE(window, nullptr) << radio;
    EXPECT_TRUE(window->isVisible()) << radio;
  }
}

TEST_F(SelectionTest, ReturnPressesContinue) {
  Selection* selection = Open();
  Choose(selection, "MolarVolumes");
  guitest::PressReturn(guitest::FindControl(selection, "MolarVolumes"));
  ui::Window* volume = ui::FindShared(VolumeWindow::ClassName);
  ASSERT_NE(volume, nullptr);
  EXPECT_TRUE(volume->isVisible());
}

// A keyboard user starts at the first procedure, Pressures, and sees where
// the focus is: the radio is drawn with a mark that goes when the focus
// leaves it. The radios are one Tab stop beside "continue"; the arrow keys
// move among them in reading order and turn none on.
TEST_F(SelectionTest, TheKeyboardFocusStartsAtPressuresWithAVisibleMark) {
  Selection* selection = Open();
  ASSERT_EQ(guitest::FocusName(selection), "Pressures");
  QWidget* pressures = guitest::FindControl(selection, "Pressures");
  ASSERT_NE(pressures, nullptr);
  const QImage focused = pressures->grab().toImage();
  guitest::SaveScreenshot(selection, "Procedures-keyboard-focus");
  EXPECT_EQ(guitest::TabStops(selection, 2), QStringList({"PushButton1", "Pressures"}));
  QTest::keyClick(pressures, Qt::Key_Tab);
  EXPECT_NE(pressures->grab().toImage(), focused) << "no focus mark to lose";
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(guitest::FocusName(selection), "Pressures");
  QTest::keyClick(pressures, Qt::Key_Down);
  EXPECT_EQ(guitest::FocusName(selection), "MolarVolumes");
  for (const char* name : kRadios) EXPECT_FALSE(guitest::Find<ui::RadioButton>(selection, name)->Value()) << name;
}

TEST_F(SelectionTest, EveryTextFitsItsRectangle) {
  Selection* selection = Open();
  guitest::ExpectTextsFit(selection);
  Choose(selection, "Pressures");
  guitest::SaveScreenshot(selection, "Procedures");
}

}  // namespace
