// Which states the response windows show a figure for, and which they show
// "no result" for: the failure value of the equation, figures outside what
// the quantity can be, and mechanically unstable states.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "thermo/ResponseValues.h"
#include "thermo/StateSearch.h"

namespace {

using namespace thermo;

struct Case {
  const char* state;
  double T, V;  // K, cm3/mol
  // Whether a figure is shown for Cv, Cp, speed of sound, Joule-Thomson
  // coefficient, viscosity, dielectric constant.
  bool cv, cp, sound, joule, viscosity, dielectric;
};

TEST(ResponseValues, FigureOrNoResult) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      // Its Joule-Thomson coefficient is negative, -0.22 K/MPa: a figure too.
      {"liquid at 25 C, 0.1 MPa", 298.15, 18.06838, true, true, true, true, true, true},
      {"dilute vapour: dielectric constant just above 1", 300, 1e12, true, true, true, true, true, true},
      // (dP/drho)_T < 0 and Cp < 0: the equation's "speed of sound" is 206.6 m/s.
      {"two-phase loop, 600 K", 600, 60, true, false, false, false, true, true},
      // (dP/drho)_T < 0 with Cp = 108.9 > 0 and a coefficient of -3.24 K/MPa.
      {"two-phase loop, 550 K", 550, 50, true, false, false, false, true, true},
      {"two-phase loop, 260 K", 260, 19.65, true, false, false, false, true, true},
      {"below the covolume region: Cv < 0", 300, 12, false, false, false, false, true, true},
      {"above the temperature window", 6000, 1000, false, false, false, false, true, true},
      {"viscosity sum negative, 140 K", 140, 18, false, false, false, false, false, true},
      {"viscosity exponent beyond its limit, 100 K", 100, 18, false, false, false, false, false, true},
      {"dielectric constant -534", 2500, 15, true, true, true, true, true, false},
      {"dielectric constant not finite", 300, 1e-80, false, false, false, false, false, false},
      {"no temperature", 0, 18, false, false, false, false, false, false},
      {"no molar volume", 300, 0, false, false, false, false, false, false},
      {"temperature not a number", nan, 18, false, false, false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.state);
    EXPECT_EQ(IsochoricHeatCapacity(c.T, c.V).HasFigure(), c.cv);
    EXPECT_EQ(IsobaricHeatCapacity(c.T, c.V).HasFigure(), c.cp);
    EXPECT_EQ(SpeedOfSound(c.T, c.V).HasFigure(), c.sound);
    EXPECT_EQ(JouleThomsonCoefficient(c.T, c.V).HasFigure(), c.joule);
    EXPECT_EQ(Viscosity(c.T, c.V).HasFigure(), c.viscosity);
    EXPECT_EQ(DielectricConstant(c.T, c.V).HasFigure(), c.dielectric);
  }
}

// In the dilute gas every figure settles to its ideal-gas limit: from 1e-6 MPa
// down to the lowest pressure it moves by less than 1e-5 relative (the
// Joule-Thomson coefficient to (T dB/dT - B) / Cp, 189.75 K/MPa at 300 K).
TEST(ResponseValues, SettleInTheDiluteGas) {
  for (double T : {300.0, 500.0, 1000.0, 2000.0}) {
    const double V0 = StateStepVolume(T, 1e-6).value;
    for (int decade = 7; decade <= 30; ++decade) {
      const double V = StateStepVolume(T, std::pow(10.0, -decade)).value;
      SCOPED_TRACE(testing::Message() << T << " K, 1e-" << decade << " MPa");
      for (auto figure : {IsochoricHeatCapacity, IsobaricHeatCapacity, SpeedOfSound,
                          JouleThomsonCoefficient, Viscosity, DielectricConstant})
        EXPECT_NEAR(figure(T, V).value / figure(T, V0).value, 1, 1e-5);
    }
  }
}

}  // namespace
