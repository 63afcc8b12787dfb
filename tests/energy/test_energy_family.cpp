// What every energy-function window does, driven through the internal-energy
// window: both scales, the unit pair, an incomplete state point, and a state
// at which the equation gives no energy.
#include "state/StateTest.h"
#include "windows/energy/InternalEnergyWindow.h"

namespace {

using statetest::Enter;
using statetest::Number;
using statetest::Press;
using statetest::Text;

constexpr double kMolarMass = 18.01528;  // g/mol
constexpr const char* kRefused = "warning: put a number for temperature, molar volume, and pressure";

class EnergyFamilyTest : public statetest::StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    w = ui::Shared<InternalEnergyWindow>();
    ASSERT_TRUE(guitest::ShowAndWait(w));
  }
  // The state step in the temperature-and-pressure mode, T in kelvin.
  void StateStep(const char* T, const char* P) {
    Press(w, "RadioButtonTP");
    Enter(w, "dataEntryT", T);
    Enter(w, "dataEntryPV", P);
    Press(w, "PushButton1");
  }
  void ExpectUnits(const char* unit) {
    EXPECT_EQ(Text(w, "StaticText11"), unit);
    EXPECT_EQ(Text(w, "StaticText12"), unit);
  }
  bool Red(const char* label) { return guitest::LabelColour(w->Label(label)) == QColor(Qt::red); }
  InternalEnergyWindow* w = nullptr;
};

// Liquid at 25 ˚C and 0.1 MPa: U = 1886.889 J/mol above the triple-point
// liquid, -285831.8 J/mol on the 25 ˚C scale.
TEST_F(EnergyFamilyTest, UnitPairConvertsTheShownFiguresOncePerSwitch) {
  StateStep("298.15", "0.1");
  Press(w, "calculate");
  ASSERT_EQ(Text(w, "Result"), "1886.889");
  ASSERT_EQ(Text(w, "Result1"), "-285831.8");

  Press(w, "kJkg");
  ExpectUnits("kJ/kg");
  EXPECT_NEAR(Number(w, "Result"), 1886.889 / kMolarMass, 1e-6 * 104.74);
  EXPECT_NEAR(Number(w, "Result1"), -285831.8 / kMolarMass, 1e-6 * 15866.1);
  const QString perMass = Text(w, "Result");
  const QString perMass1 = Text(w, "Result1");
  Press(w, "kJkg");  // already on: nothing to convert again
  EXPECT_EQ(Text(w, "Result"), perMass);
  EXPECT_EQ(Text(w, "Result1"), perMass1);

  // Back per mole, to the precision the shown texts keep.
  Press(w, "Jmol");
  ExpectUnits("J/mol");
  EXPECT_NEAR(Number(w, "Result"), 1886.889, 1e-6 * 1886.889);
  EXPECT_NEAR(Number(w, "Result1"), -285831.8, 1e-6 * 285831.8);
}

TEST_F(EnergyFamilyTest, AnIncompleteStatePointIsRefusedWithBothResultsEmptied) {
  StateStep("500", "10");
  Press(w, "calculate");
  ASSERT_NE(Text(w, "Result"), "");
  Globals::PresMPa = 0;  // another window's "clear", say
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "warning"), kRefused);
  EXPECT_EQ(Text(w, "Result"), "");
  EXPECT_EQ(Text(w, "Result1"), "");
  // Nothing to convert: only the units change.
  Press(w, "kJkg");
  ExpectUnits("kJ/kg");
  EXPECT_EQ(Text(w, "Result"), "");
  EXPECT_EQ(Text(w, "Result1"), "");
  EXPECT_EQ(Text(w, "warning"), kRefused);
}

// Above its temperature window (5344.8 K) the equation gives no energy (its
// failure value 0); that is shown as such, not as 0 less a scale's zero.
TEST_F(EnergyFamilyTest, NoResultWhereTheEquationGivesNoEnergy) {
  Globals::TempKelvin = 6000;
  Globals::PresMPa = 10;
  Globals::MolarVol = 5000;
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "Result"), "no result");
  EXPECT_EQ(Text(w, "Result1"), "no result");
  EXPECT_TRUE(Red("Result"));
  EXPECT_TRUE(Red("Result1"));
  EXPECT_EQ(Text(w, "warning"), "");
  guitest::ExpectTextsFit(w);
  guitest::SaveScreenshot(w, "Internal Energy H2O, no result");
  Press(w, "kJkg");
  EXPECT_EQ(Text(w, "Result"), "");
  EXPECT_EQ(Text(w, "Result1"), "");

  Globals::TempKelvin = 3000;
  Press(w, "calculate");
  EXPECT_GT(Number(w, "Result"), 0);
  EXPECT_FALSE(Red("Result"));
  EXPECT_FALSE(Red("Result1"));
}

}  // namespace
