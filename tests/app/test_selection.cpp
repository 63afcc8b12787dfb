// The procedure chooser: its radio buttons, and "continue" opening the
// window of the procedure that is on.
#include <gtest/gtest.h>

#include <QApplication>

#include "GuiTest.h"
#include "app/Selection.h"
#include "windows/state/PressuresWindow.h"
#include "windows/state/TemperatureWindow.h"
#include "windows/state/VolumeWindow.h"

namespace {

using app::Selection;

struct RadioRow {
  const char* name;
  const char* caption;
  int left, top;
};

// The chooser's radio buttons in control-list order.
const RadioRow kRadios[] = {
    {"Enthalpy", " Relative enthalpy (H)", 40, 270},
    {"Entropy", " Entropy (S)", 40, 300},
    {"HelmholtzEnergy", " Relative Helmholtz energy (A)", 40, 330},
    {"GibbsEnergy", " Relative Gibbs energy (G)", 335, 60},
    {"MolarVolumes", " Molar Volumes", 40, 90},
    {"Pressures", " Pressures", 40, 60},
    {"Temperatures", " Temperatures", 40, 120},
    {"Fugacities", " Fugacities", 40, 150},
    {"Homogenisation", " Homogenization (saturation)", 40, 180},
    {"InternalEnergy", " Relative internal energy (U)", 40, 240},
    {"HeatCapacityV", " Heat Capacity (constant volume)", 335, 90},
    {"HeatCapacityP", " Heat Capacity (constant pressure)", 335, 120},
    {"SpeedSound", " Speed of Sound", 335, 150},
    {"JouleThomson", " Joule-Thomson Coefficient", 335, 180},
    {"Viscosity", " Viscosity", 335, 210},
    {"Dielectric", " Static Relative Dielectric Constant", 335, 240},
    {"LiquidVapour", " Liquid-Vapour Equilibrium", 40, 210},
};

std::vector<const ui::Window*> VisibleWindows() {
  std::vector<const ui::Window*> windows;
  for (const QWidget* w : QApplication::topLevelWidgets())
    if (const auto* window = dynamic_cast<const ui::Window*>(w); window != nullptr && w->isVisible())
      windows.push_back(window);
  return windows;
}

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
  EXPECT_EQ(selection->NameOf(controls[0]), "StaticText1");
  EXPECT_EQ(guitest::LabelText(controls[0]), "Calculation procedure");
  EXPECT_EQ(selection->NameOf(controls[1]), "PushButton1");
  auto* button = guitest::Find<ui::PushButton>(selection, "PushButton1");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), "continue");
  EXPECT_TRUE(button->isDefault());
  EXPECT_EQ(button->geometry(), QRect(510, 320, 75, 25));

  for (std::size_t i = 0; i < std::size(kRadios); ++i) {
    const RadioRow& row = kRadios[i];
    EXPECT_EQ(selection->NameOf(controls[i + 2]), row.name) << i;
    auto* radio = guitest::Find<ui::RadioButton>(selection, row.name);
    ASSERT_NE(radio, nullptr) << row.name;
    EXPECT_EQ(radio->text(), row.caption) << row.name;
    EXPECT_EQ(radio->geometry(), QRect(row.left, row.top, 260, 20)) << row.name;
    EXPECT_FALSE(radio->Value()) << row.name;
  }
}

TEST_F(SelectionTest, ContinueWithNoneOnDoesNothing) {
  Selection* selection = Open();
  const auto before = VisibleWindows();
  Continue(selection);
  EXPECT_EQ(VisibleWindows(), before);
  EXPECT_EQ(ui::FindShared(PressuresWindow::ClassName), nullptr);
  EXPECT_EQ(ui::FindShared(VolumeWindow::ClassName), nullptr);
  EXPECT_EQ(ui::FindShared(TemperatureWindow::ClassName), nullptr);
}

TEST_F(SelectionTest, TheRadiosFormOneGroup) {
  Selection* selection = Open();
  Choose(selection, "Pressures");
  Choose(selection, "Viscosity");
  for (const RadioRow& row : kRadios) {
    auto* radio = guitest::Find<ui::RadioButton>(selection, row.name);
    ASSERT_NE(radio, nullptr);
    EXPECT_EQ(radio->Value(), std::string(row.name) == "Viscosity") << row.name;
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
  EXPECT_EQ(VisibleWindows().size(), 2u);
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

TEST_F(SelectionTest, ProceduresWithoutAWindowYetOpenNothing) {
  Selection* selection = Open();
  const auto before = VisibleWindows();
  for (const char* name :
       {"Fugacities", "Homogenisation", "LiquidVapour", "InternalEnergy", "Enthalpy", "Entropy",
        "HelmholtzEnergy", "GibbsEnergy", "HeatCapacityV", "HeatCapacityP", "SpeedSound",
        "JouleThomson", "Viscosity", "Dielectric"}) {
    Choose(selection, name);
    ASSERT_TRUE(guitest::Find<ui::RadioButton>(selection, name)->Value()) << name;
    Continue(selection);
    EXPECT_EQ(VisibleWindows(), before) << name;
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

TEST_F(SelectionTest, EveryTextFitsItsRectangle) {
  Selection* selection = Open();
  guitest::ExpectTextsFit(selection);
  Choose(selection, "Pressures");
  guitest::SaveScreenshot(selection, "Procedures");
}

}  // namespace
