// The fugacity window: fugacity and coefficient at the state point of the
// state step, a fugacity the equation does not give, and what it looks like.
#include "tests/state/StateTest.h"
#include "windows/phase/FugacityWindow.h"

namespace {

using statetest::Number;
using statetest::Press;
using statetest::StateStep;
using statetest::Text;

using FugacityTest = statetest::WindowTest<FugacityWindow, statetest::PicturesTest>;

// Liquid at 25 ˚C and at 500 K, steam at 500 ˚C (30.503 kg/m3 in the
// steam tables); the pressure of the T,V row is the one the step computed.
// Then a look at the window with its pictures.
TEST_F(FugacityTest, FugacityAndCoefficientAtTheStatePointOfTheStateStep) {
  const struct {
    const char* mode;
    bool celsius;
    const char* T;
    const char* given;
    double computed;  // molar volume (T,P mode) or pressure (T,V mode)
    double fugacity;  // MPa
  } cases[] = {
      {"RadioButtonTP", true, "25", "0.1", 18.06838, 0.00316665},
      {"RadioButtonTV", true, "25", "18.06838", 0.1, 0.00316665},
      {"RadioButtonTP", false, "773.15", "10", 590.6081, 9.244291},
      {"RadioButtonTP", false, "500", "10", 21.49359, 2.429366},
  };
  for (const auto& c : cases) {
    Press(w, c.celsius ? "Celsius" : "Kelvin");
    StateStep(w, c.mode, c.T, c.given);
    EXPECT_NEAR(Number(w, "ResultPV"), c.computed, 5e-3 * c.computed) << c.T << " " << c.given;
    Press(w, "calculate");
    const double f = Number(w, "FugacityResult");
    EXPECT_NEAR(f, c.fugacity, 2e-6 * c.fugacity + (c.mode[12] == 'V' ? 5e-3 * c.fugacity : 0))
        << c.T << " " << c.given;
    const double P = statetest::Shared().P;
    EXPECT_NEAR(Number(w, "CoefficientResult"), f / P, 1e-6 * f / P);
    EXPECT_EQ(Text(w, "warning"), "");
  }
  statetest::ExpectLook(w, "FugacityWindow");
}

// A state point at which the equation gives no fugacity (its exponent out
// of range: a pressure far above the equation's at the volume) shows "no
// result", not a fugacity of 0.
TEST_F(FugacityTest, AFugacityTheEquationDoesNotGiveIsNoResult) {
  thermo::StatePoint::Set(300, 3000, 1e6);
  Press(w, "calculate");
  EXPECT_EQ(Text(w, "FugacityResult"), "no result");
  EXPECT_TRUE(statetest::IsRed(w, "FugacityResult"));
  EXPECT_EQ(Text(w, "CoefficientResult"), "");
  EXPECT_EQ(Text(w, "warning"), statetest::Why(statetest::Reason::NoValue));
}

// The density line under the given volume follows the entry: a volume
// with no density (emptied, not above 0) shows the bare caption, not the
// density of an earlier volume.
TEST_F(FugacityTest, DensityLineFollowsTheVolumeEntry) {
  Press(w, "RadioButtonTV");
  const struct {
    const char* V;
    const char* line;
  } cases[] = {
      {"1e308", "corresponding density = 1.801528e-307 g/cm3"},
      {"", "corresponding density"},
      {"18.01528", "corresponding density = 1 g/cm3"},
      {"-5", "corresponding density"},
  };
  for (const auto& c : cases) {
    statetest::Enter(w, "dataEntryPV", c.V);
    EXPECT_EQ(Text(w, "Density1"), c.line) << c.V;
  }
}

}  // namespace
