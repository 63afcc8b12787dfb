// The energy-function windows: what the family does (both scales, the unit
// pair, an incomplete state point, a state at which the equation gives no
// energy), then the check values of each window per mole and per mass, with
// a look at it.
#include "state/StateTest.h"
#include "windows/energy/EnthalpyWindow.h"
#include "windows/energy/EntropyWindow.h"
#include "windows/energy/GibbsWindow.h"
#include "windows/energy/HelmholtzWindow.h"
#include "windows/energy/InternalEnergyWindow.h"

#include <cmath>
#include <initializer_list>

namespace {

using statetest::Number;
using statetest::Press;
using statetest::StateStep;
using statetest::Text;

constexpr double kMolarMass = 18.01528;  // g/mol
constexpr double kNotQuoted = NAN;
constexpr const char* kRefused = "warning: put a number for temperature, molar volume, and pressure";

// What every window of the family does, driven through the internal-energy
// window.
class EnergyFamilyTest : public statetest::PicturesTest {
 protected:
  void SetUp() override {
    PicturesTest::SetUp();
    w = ui::Shared<InternalEnergyWindow>();
    ASSERT_TRUE(guitest::ShowAndWait(w));
  }
  void ExpectUnits(const char* unit) {
    EXPECT_EQ(Text(w, "StaticText11"), unit);
    EXPECT_EQ(Text(w, "StaticText12"), unit);
  }
  InternalEnergyWindow* w = nullptr;
};

// Liquid at 25 ˚C and 0.1 MPa: U = 1886.889 J/mol above the triple-point
// liquid, -285831.8 J/mol on the 25 ˚C scale.
TEST_F(EnergyFamilyTest, UnitPairConvertsTheShownFiguresOncePerSwitch) {
  StateStep(w, "RadioButtonTP", "298.15", "0.1");
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
  StateStep(w, "RadioButtonTP", "500", "10");
  Press(w, "calculate");
  ASSERT_NE(Text(w, "Result"), "");
  Globals::PresMPa = 0;  // another window's "clear", say
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "warning"), kRefused);
  EXPECT_EQ(Text(w, "Result"), "");
  EXPECT_EQ(Text(w, "Result1"), "");
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
  EXPECT_TRUE(statetest::IsRed(w, "Result"));
  EXPECT_TRUE(statetest::IsRed(w, "Result1"));
  EXPECT_EQ(Text(w, "warning"), "");
  guitest::ExpectTextsFit(w);
  guitest::SaveScreenshot(w, "Internal Energy H2O, no result");
  // Nothing to convert: only the units change.
  Press(w, "kJkg");
  ExpectUnits("kJ/kg");
  EXPECT_EQ(Text(w, "Result"), "");
  EXPECT_EQ(Text(w, "Result1"), "");

  Globals::TempKelvin = 3000;
  Press(w, "calculate");
  EXPECT_GT(Number(w, "Result"), 0);
  EXPECT_FALSE(statetest::IsRed(w, "Result"));
  EXPECT_FALSE(statetest::IsRed(w, "Result1"));
}

// A state point (T in K, P in MPa) and the two figures per mole.
struct Case {
  const char* T;
  const char* P;
  double result;   // triple-point scale
  double result1;  // 25 ˚C, 0.1 MPa scale
};

class EnergyWindowsTest : public statetest::PicturesTest {
 protected:
  // The cases of each window: the saturated liquid at the triple point
  // (just above its saturation pressure, so the state step takes the
  // liquid), steam at 500 ˚C, liquid at 500 K, and last liquid at 25 ˚C,
  // whose figures per mass are checked at the end.
  template <class W>
  void ExpectFigures(std::initializer_list<Case> cases, double perMassAtTheLast) {
    W* w = ui::Shared<W>();
    ASSERT_TRUE(guitest::ShowAndWait(w));
    const Case* last = nullptr;
    for (const Case& c : cases) {
      StateStep(w, "RadioButtonTP", c.T, c.P);
      Press(w, "calculate");
      EXPECT_NEAR(Number(w, "Result"), c.result, 1e-6 * std::fabs(c.result) + 1e-4) << c.T << " K";
      if (!std::isnan(c.result1)) {
        EXPECT_NEAR(Number(w, "Result1"), c.result1, 1e-6 * std::fabs(c.result1)) << c.T << " K";
      }
      EXPECT_EQ(Text(w, "warning"), "");
      last = &c;
    }
    Press(w, "kJkg");
    Press(w, "calculate");
    EXPECT_NEAR(Number(w, "Result"), perMassAtTheLast, 1e-5 * std::fabs(perMassAtTheLast));
    EXPECT_NEAR(Number(w, "Result1"), last->result1 / kMolarMass, 1e-6 * std::fabs(last->result1 / kMolarMass));
    guitest::ExpectTextsFit(w);
    guitest::SaveScreenshot(w, w->windowTitle());
  }
};

TEST_F(EnergyWindowsTest, InternalEnergy) {
  ExpectFigures<InternalEnergyWindow>({{"273.16", "0.00061166", 0, kNotQuoted},
                                       {"773.15", "10", 54877.39, -232841.3},
                                       {"500", "10", 17386.6, -270332.1},
                                       {"298.15", "0.1", 1886.889, -285831.8}},
                                      104.738);
}

TEST_F(EnergyWindowsTest, Enthalpy) {
  ExpectFigures<EnthalpyWindow>({{"273.16", "0.00061166", 0, kNotQuoted},
                                 {"773.15", "10", 60783.46, -226937.0},
                                 {"500", "10", 17601.53, -270119.0},
                                 {"298.15", "0.1", 1888.685, -285831.8}},
                                104.838);
}

// The second scale is the equation's own entropy, 69.95 J/(mol K) for the
// liquid at 25 ˚C.
TEST_F(EnergyWindowsTest, Entropy) {
  ExpectFigures<EntropyWindow>({{"273.16", "0.00061166", 0, kNotQuoted},
                                {"773.15", "10", 118.8476, 182.1886},
                                {"500", "10", 46.23799, 109.5789},
                                {"298.15", "0.1", 6.610121, 69.95105}},
                               0.366917);
}

// On the triple-point scale A = U - T S with the internal-energy and
// entropy windows' figures: 1886.889 - 298.15 x 6.610121 at 25 ˚C.
TEST_F(EnergyWindowsTest, Helmholtz) {
  ExpectFigures<HelmholtzWindow>({{"273.16", "0.00061166", 0, kNotQuoted},
                                  {"773.15", "10", -37009.66, -373700.7},
                                  {"500", "10", -5732.394, -325121.8},
                                  {"298.15", "0.1", -83.91848, -306688.0}},
                                 -83.91848 / kMolarMass);
}

// G = A + P V: at the triple point the liquid's P V, 0.01102 J/mol.
TEST_F(EnergyWindowsTest, Gibbs) {
  ExpectFigures<GibbsWindow>({{"273.16", "0.00061166", 0.01102, kNotQuoted},
                              {"773.15", "10", -31103.58, -367794.6},
                              {"500", "10", -5517.459, -324906.9},
                              {"298.15", "0.1", -82.11164, -306686.2}},
                             -4.5579);
}

}  // namespace
