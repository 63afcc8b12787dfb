// The energy-function windows: what the family does, then each window's
// check values per mole and per mass.
#include "tests/state/StateTest.h"
#include "windows/energy/EnthalpyWindow.h"
#include "windows/energy/EntropyWindow.h"
#include "windows/energy/GibbsWindow.h"
#include "windows/energy/HelmholtzWindow.h"
#include "windows/energy/InternalEnergyWindow.h"

#include <QApplication>
#include <QTest>

#include <array>
#include <cmath>
#include <utility>

namespace {

using statetest::Number;
using statetest::Press;
using statetest::StateStep;
using statetest::Text;

constexpr double kMolarMass = 18.01528;  // g/mol
constexpr const char* kRefused = "warning: put a number for temperature, molar volume, and pressure";

// What every window of the family does, driven through the internal-energy
// window.
class EnergyFamilyTest : public statetest::WindowTest<InternalEnergyWindow, statetest::PicturesTest> {
 protected:
  // Both units, then both results.
  QString Shown() const {
    return Text(w, "StaticText11") + " " + Text(w, "StaticText12") + "|" + Text(w, "Result") + " " +
           Text(w, "Result1");
  }
};

// Liquid at 25 ˚C and 0.1 MPa: U = 1886.889 J/mol above the triple-point
// liquid, -285831.8 J/mol on the 25 ˚C scale.
TEST_F(EnergyFamilyTest, UnitPairConvertsTheShownFiguresOncePerSwitch) {
  StateStep(w, "RadioButtonTP", "298.15", "0.1");
  Press(w, "calculate");
  ASSERT_EQ(Shown(), "J/mol J/mol|1886.889 -285831.8");
  Press(w, "kJkg");
  EXPECT_TRUE(Shown().startsWith("kJ/kg kJ/kg|"));
  EXPECT_NEAR(Number(w, "Result"), 1886.889 / kMolarMass, 1e-6 * 104.74);
  EXPECT_NEAR(Number(w, "Result1"), -285831.8 / kMolarMass, 1e-6 * 15866.1);
  const QString perMass = Shown();
  Press(w, "kJkg");  // already on: nothing to convert again
  EXPECT_EQ(Shown(), perMass);
  // Back per mole: the figures as computed, not read back from the texts
  // per mass (which gave -285831.9).
  Press(w, "Jmol");
  EXPECT_EQ(Shown(), "J/mol J/mol|1886.889 -285831.8");
}

// A calculator used by keyboard alone, in reading order: it opens in the
// temperature, and Tab goes to its unit, the mode, the given quantity, the
// state step, "calculate", the result units and "clear", then round again.
// Choosing the mode keeps the temperature typed before it.
TEST_F(EnergyFamilyTest, TheKeyboardAloneGoesThroughTheWindowInReadingOrder) {
  auto keys = [](const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); };
  auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
  ASSERT_EQ(guitest::FocusName(w), "dataEntryT");
  keys("298.15");
  EXPECT_EQ(guitest::TabStops(w, 2), QStringList({"Kelvin", "RadioButtonTP"}));
  key(Qt::Key_Space);
  EXPECT_EQ(Text(w, "dataEntryT"), "298.15");
  EXPECT_EQ(guitest::TabStops(w, 1), QStringList({"dataEntryPV"}));
  keys("0.1");
  EXPECT_EQ(guitest::TabStops(w, 1), QStringList({"PushButton1"}));
  key(Qt::Key_Space);
  EXPECT_EQ(guitest::TabStops(w, 1), QStringList({"calculate"}));
  key(Qt::Key_Space);
  EXPECT_EQ(Shown(), "J/mol J/mol|1886.889 -285831.8");
  EXPECT_EQ(guitest::TabStops(w, 3), QStringList({"Jmol", "Clear", "dataEntryT"}));
  EXPECT_EQ(guitest::TabStops(w, 2, true), QStringList({"Clear", "Jmol"}));
}

// Above 3000 K the equation's ideal-gas part no longer describes water: no
// figure, with the reason, not 0 less a scale's zero.
TEST_F(EnergyFamilyTest, NoResultWhereTheEquationGivesNoEnergyAndRefusalOfAnIncompleteState) {
  thermo::StatePoint::Set(4000, 10, 5000);
  Press(w, "calculate");
  EXPECT_EQ(Shown(), "J/mol J/mol|no result no result");
  EXPECT_TRUE(statetest::IsRed(w, "Result") && statetest::IsRed(w, "Result1"));
  EXPECT_EQ(Text(w, "warning"), statetest::Why(statetest::Reason::AboveCaloricRange));
  statetest::ExpectLook(w, "Internal Energy H2O, no result");
  // Nothing to convert: only the units change.
  Press(w, "kJkg");
  EXPECT_EQ(Shown(), "kJ/kg kJ/kg| ");
  Press(w, "Clear");
  thermo::StatePoint::Set(3000, 10, 5000);
  Press(w, "calculate");
  EXPECT_GT(Number(w, "Result"), 0);
  EXPECT_FALSE(statetest::IsRed(w, "Result") || statetest::IsRed(w, "Result1"));
  // An incomplete state point (another window's failed search, say) is
  // refused by a window with empty entries.
  Press(w, "Clear");
  thermo::StatePoint::Set(3000, 0, 5000);
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "warning"), kRefused);
  EXPECT_EQ(Text(w, "Result") + Text(w, "Result1"), "");
}

// The check states (T in K, P in MPa): the saturated liquid at the triple
// point (just above the equation's own saturation pressure there,
// 0.00061174 MPa, so the liquid is the stable phase), steam at 500 ˚C, liquid at 500 K, and last liquid at 25 ˚C,
// whose figures per mass are checked at the end.
constexpr std::array<std::pair<const char*, const char*>, 4> kStates{
    {{"273.16", "0.0006118"}, {"773.15", "10"}, {"500", "10"}, {"298.15", "0.1"}}};

// The figures per mole at each check state on the triple-point scale
// (`Result`) and on the 25 ˚C, 0.1 MPa scale (`Result1`; none quoted at the
// triple point), the first per mass at 25 ˚C; then a look at the window.
template <class W>
void ExpectFigures(const std::array<double, 4>& result, const std::array<double, 3>& result1,
                   double perMass) {
  W* w = statetest::Open<W>();
  for (std::size_t i = 0; i < kStates.size(); ++i) {
    const auto& [T, P] = kStates[i];
    StateStep(w, "RadioButtonTP", T, P);
    Press(w, "calculate");
    EXPECT_NEAR(Number(w, "Result"), result[i], 1e-6 * std::fabs(result[i]) + 1e-4) << T << " K";
    if (i > 0) {
      EXPECT_NEAR(Number(w, "Result1"), result1[i - 1], 1e-6 * std::fabs(result1[i - 1])) << T << " K";
    }
    EXPECT_EQ(Text(w, "warning"), "");
  }
  Press(w, "kJkg");
  Press(w, "calculate");
  EXPECT_NEAR(Number(w, "Result"), perMass, 1e-5 * std::fabs(perMass));
  EXPECT_NEAR(Number(w, "Result1"), result1[2] / kMolarMass, 1e-6 * std::fabs(result1[2] / kMolarMass));
  statetest::ExpectLook(w, w->windowTitle());
}

using EnergyWindowsTest = statetest::PicturesTest;

// Per mass and back per mole gives the texts per mole again, in every
// window of the family at every check state.
TEST_F(EnergyWindowsTest, UnitSwitchThereAndBackKeepsTheFigures) {
  using Opener = ui::Window* (*)();
  const Opener windows[] = {
      []() -> ui::Window* { return statetest::Open<InternalEnergyWindow>(); },
      []() -> ui::Window* { return statetest::Open<EnthalpyWindow>(); },
      []() -> ui::Window* { return statetest::Open<EntropyWindow>(); },
      []() -> ui::Window* { return statetest::Open<HelmholtzWindow>(); },
      []() -> ui::Window* { return statetest::Open<GibbsWindow>(); },
  };
  for (Opener open : windows) {
    ui::Window* w = open();
    for (const auto& [T, P] : kStates) {
      StateStep(w, "RadioButtonTP", T, P);
      Press(w, "calculate");
      const QString perMole = Text(w, "Result") + " " + Text(w, "Result1");
      Press(w, "kJkg");
      Press(w, "Jmol");
      EXPECT_EQ(Text(w, "Result") + " " + Text(w, "Result1"), perMole)
          << w->windowTitle().toStdString() << " at " << T << " K";
    }
  }
}

TEST_F(EnergyWindowsTest, InternalEnergy) {
  ExpectFigures<InternalEnergyWindow>({0, 54877.39, 17386.6, 1886.889}, {-232841.3, -270332.1, -285831.8},
                                      104.738);
}
TEST_F(EnergyWindowsTest, Enthalpy) {
  ExpectFigures<EnthalpyWindow>({0, 60783.46, 17601.53, 1888.685}, {-226937.0, -270119.0, -285831.8},
                                104.838);
}
// The second scale is the equation's own entropy, 69.95 J/(mol K) for the
// liquid at 25 ˚C.
TEST_F(EnergyWindowsTest, Entropy) {
  ExpectFigures<EntropyWindow>({0, 118.8476, 46.23799, 6.610121}, {182.1886, 109.5789, 69.95105}, 0.366917);
}
// On the triple-point scale A = U - T S with the internal-energy and
// entropy windows' figures: 1886.889 - 298.15 x 6.610121 at 25 ˚C.
TEST_F(EnergyWindowsTest, Helmholtz) {
  ExpectFigures<HelmholtzWindow>({0, -37009.66, -5732.394, -83.91848}, {-373700.7, -325121.8, -306688.0},
                                 -83.91848 / kMolarMass);
}
// G = A + P V: at the triple point the liquid's P V, 0.01102 J/mol.
TEST_F(EnergyWindowsTest, Gibbs) {
  ExpectFigures<GibbsWindow>({0.01102, -31103.58, -5517.459, -82.11164}, {-367794.6, -324906.9, -306686.2},
                             -4.5579);
}

}  // namespace
