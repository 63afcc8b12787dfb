// The saturation curve from the IAPWS (1992) auxiliary equations and its two
// inverse searches.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "eos/Globals.h"

namespace {

using namespace Globals;

double Density(int phase, double T) { return 18015.28 / SaturationV(phase, T); }

TEST(SaturationCurve, MatchesIapwsCheckValues) {
  EXPECT_NEAR(SaturationP(273.16), 0.000611657, 0.0000000005);
  EXPECT_NEAR(SaturationP(373.1243), 0.101325, 0.0000005);
  EXPECT_NEAR(Density(SaturationPhase::Liquid, 273.16), 999.789, 0.0005);
  EXPECT_NEAR(Density(SaturationPhase::Liquid, 373.1243), 958.365, 0.0005);
  EXPECT_NEAR(Density(SaturationPhase::Vapour, 273.16), 0.00485426, 0.000000005);
  EXPECT_NEAR(Density(SaturationPhase::Vapour, 373.1243), 0.597586, 0.0000005);
}

TEST(SaturationCurve, CriticalPointAndJump) {
  EXPECT_EQ(SaturationP(647.096), 22.064);
  EXPECT_DOUBLE_EQ(SaturationV(SaturationPhase::Liquid, 647.096), 18015.28 / 322.0);
  EXPECT_DOUBLE_EQ(SaturationV(SaturationPhase::Vapour, 647.096), 18015.28 / 322.0);
  // The continuation above the critical temperature starts near 23.9 MPa.
  EXPECT_NEAR(SaturationP(647.0961), 23.9, 0.05);
  EXPECT_GT(SaturationP(700.0), SaturationP(650.0));
  EXPECT_EQ(SaturationV(SaturationPhase::Liquid, 647.0961), 0.0);
  EXPECT_EQ(SaturationV(SaturationPhase::Vapour, 647.0961), 0.0);
}

TEST(SaturationCurve, LiquidBelowVapourAndOtherPhasesFail) {
  for (double T = 273.16; T < 647.0; T += 3.7) {
    EXPECT_LT(SaturationV(SaturationPhase::Liquid, T), SaturationV(SaturationPhase::Vapour, T)) << T;
  }
  EXPECT_EQ(SaturationV(2, 300.0), 0.0);
  EXPECT_EQ(SaturationV(-1, 300.0), 0.0);
}

// 0.01 C converted to kelvin is 273.15999999999997, a rounding error below
// the triple point: it is the triple point.
TEST(SaturationCurve, TriplePointTypedInCelsius) {
  const double T = 0.01 + CelsiusOffset;
  ASSERT_LT(T, TriplePointTemp);
  EXPECT_EQ(SaturationP(T), SaturationP(TriplePointTemp));
  EXPECT_GT(SaturationP(T), 0.0);
  EXPECT_EQ(SaturationV(SaturationPhase::Liquid, T), SaturationV(SaturationPhase::Liquid, TriplePointTemp));
  EXPECT_EQ(SaturationV(SaturationPhase::Vapour, T), SaturationV(SaturationPhase::Vapour, TriplePointTemp));
  // A temperature truly below the triple point is still outside the curve.
  EXPECT_EQ(SaturationP(273.159), 0.0);
  EXPECT_EQ(SaturationV(SaturationPhase::Liquid, 273.159), 0.0);
  EXPECT_EQ(SaturationP(0.0), 0.0);
  EXPECT_EQ(SaturationP(std::nan("")), 0.0);
}

TEST(SaturationT, InvertsTheVapourPressure) {
  for (double T : {273.16, 298.15, 373.15, 450.0, 600.0, 647.0}) {
    EXPECT_NEAR(SaturationT(SaturationP(T)), T, 1e-8) << T;
  }
  EXPECT_NEAR(SaturationT(0.101325), 373.1243, 0.00005);
  EXPECT_EQ(SaturationT(22.064), 647.096);
}

// The unbracketed search overshoots past the critical temperature for
// pressures in bands near 5.33-5.57, 10.71-11.23 and 21.63-22.064 MPa and
// on its own settles below the triple point (152 K, 147 K, 230 K); the
// bisection on the curve must give the curve's temperature there.
TEST(SaturationT, EveryPressureOnTheCurveGivesTheCurveTemperature) {
  EXPECT_NEAR(SaturationT(5.45), 542.53, 0.01);
  EXPECT_NEAR(SaturationT(11.0), 591.23, 0.01);
  EXPECT_NEAR(SaturationT(22.0), 646.86, 0.01);
  const double pTriple = SaturationP(TriplePointTemp);
  const int steps = 20000;
  int offCurve = 0;
  for (int k = 0; k <= steps; ++k) {
    const double P = pTriple + (CritPresSat - pTriple) * k / steps;
    const double T = SaturationT(P);
    if (!(T >= TriplePointTemp && T <= CritTempSat && std::fabs(SaturationP(T) - P) <= 1e-10 * P)) {
      ++offCurve;
      ADD_FAILURE() << "P = " << P << " gives T = " << T;
      if (offCurve > 5) break;
    }
  }
  EXPECT_EQ(offCurve, 0);
}

TEST(SaturationT, OutsideTheCurve) {
  // Below the triple-point pressure the search settles on the flat part
  // below 273.16 K, where the saturated volumes are 0.
  const double low = SaturationT(0.0005);
  EXPECT_GT(low, 0.0);
  EXPECT_LT(low, TriplePointTemp);
  EXPECT_EQ(SaturationV(SaturationPhase::Liquid, low), 0.0);
  // P = 0: the first step already lands where the vapour pressure is 0.
  const double none = SaturationT(0.0);
  EXPECT_GT(none, 0.0);
  EXPECT_LT(none, TriplePointTemp);
}

// Above the critical pressure no temperature of the curve has that vapour
// pressure. The search used to settle below the triple point (210.83 K for
// 22.0641 MPa, 77.16 K for 22.5) or run off (2.7e40 K for 1e5 MPa).
TEST(SaturationT, NoTemperatureAboveTheCriticalPressure) {
  for (double P : {22.0641, 22.5, 23.0, 30.0, 1e5, 1e300, std::numeric_limits<double>::infinity(),
                   std::nan("")}) {
    EXPECT_EQ(SaturationT(P), 0.0) << P;
  }
  EXPECT_EQ(SaturationT(CritPresSat), CritTempSat);
}

TEST(SaturationTV, FindsTheHomogenizationTemperature) {
  EXPECT_NEAR(SaturationTV(18015.28 / 322.0), 647.096, 1e-6);
  for (double T : {300.0, 400.0, 500.0, 600.0, 640.0}) {
    EXPECT_NEAR(SaturationTV(SaturationV(SaturationPhase::Vapour, T)), T, 1e-7) << T;
    EXPECT_NEAR(SaturationTV(SaturationV(SaturationPhase::Liquid, T)), T, 1e-7) << T;
  }
  // The liquid volume at the triple point recurs above the density maximum;
  // the search from the middle of the curve finds the higher temperature.
  const double vTriple = SaturationV(SaturationPhase::Liquid, TriplePointTemp);
  const double T = SaturationTV(vTriple);
  EXPECT_GT(T, 277.0);
  EXPECT_NEAR(SaturationV(SaturationPhase::Liquid, T), vTriple, 1e-9);
}

TEST(SaturationTV, VolumesNoSaturatedPhaseHas) {
  EXPECT_EQ(SaturationTV(18.0), 0.0);  // below the least liquid volume
  EXPECT_EQ(SaturationTV(2.0 * SaturationV(SaturationPhase::Vapour, TriplePointTemp)), 0.0);
  EXPECT_EQ(SaturationTV(0.0), 0.0);
  EXPECT_EQ(SaturationTV(-5.0), 0.0);
}

}  // namespace
