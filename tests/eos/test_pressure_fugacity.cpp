// Pressure and fugacity of water: the critical point and the saturation
// pressures of the NBS/NRC Steam Tables, the guards and failure values, and
// the pressure declined outside the base part's temperature window.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "eos/Globals.h"
#include "tests/eos/HookCounter.h"

namespace {

using namespace Globals;
using namespace eostest;
namespace Q = Globals::Haar_Quantity;

// NBS/NRC Steam Tables: the critical point of the equation, 647.126 K and
// 322 kg/m3, gives 22.055 MPa.
TEST(Pressure, CriticalPointOfTheEquation) {
  EXPECT_NEAR(Haar_Pressure(647.126, 18015.28 / 322.0), 22.055, 0.0005);
}

TEST(Pressure, FailsOutsideItsRange) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  {
    HookCounter hooks;
    for (double T : {0.0, -1.0, nan}) EXPECT_EQ(Haar_Pressure(T, 18.0), 0.0);
    for (double V : {0.0, -1.0, nan}) EXPECT_EQ(Haar_Pressure(300.0, V), 0.0);
    EXPECT_EQ(hookCalls, 0);  // neither part was evaluated
  }

  // Outside the base part's window (0.31 < T / 647.073 < 8.26) the residual
  // part alone is not the pressure of water: the failure value instead.
  for (double T : {150.0, 200.0, 200.59, 5344.9, 5400.0, 1e5}) {
    EXPECT_EQ(Haar_Pressure(T, 18.0), 0.0) << "T " << T;
    EXPECT_EQ(Haar_Pressure(T, 30000.0), 0.0) << "T " << T;
  }
  EXPECT_NE(Haar_Pressure(200.6, 18.0), 0.0);  // stretched liquid: negative
  EXPECT_GT(Haar_Pressure(5344.8, 30000.0), 0.0);
  // A density that overflows gives no number: failure, not infinity.
  EXPECT_EQ(Haar_Pressure(600.0, 1e-320), 0.0);
}

// NBS/NRC Steam Tables: the saturation pressure of the equation, where the
// liquid and vapour roots have equal fugacities (equal Gibbs energies).
TEST(Fugacity, EqualInCoexistingPhasesAtThePublishedSaturationPressure) {
  const struct {
    double T, P, tol;
  } published[] = {
      {373.15, 0.10132, 0.000005}, {473.15, 1.5537, 0.00005},   {573.15, 8.5838, 0.00005},
      {623.15, 16.521, 0.0005},    {273.16, 0.00061173, 2e-8},
  };
  for (const auto& p : published) {
    // Bisect on ln f(liquid) - ln f(vapour), which falls through 0 at saturation.
    auto lnRatio = [T = p.T](double P) {
      const double Vl = Haar_Volume(T, P, 18.0);
      const double Vv = Haar_Volume(T, P, GasConstantR * T / P);
      EXPECT_GT(Vl, 0.0);
      EXPECT_GT(Vv, 3.0 * Vl);
      return std::log(Haar_Fugacity(T, P, Vl)) - std::log(Haar_Fugacity(T, P, Vv));
    };
    double lo = 0.95 * p.P, hi = 1.05 * p.P;
    ASSERT_GT(lnRatio(lo), 0.0);
    ASSERT_LT(lnRatio(hi), 0.0);
    for (int i = 0; i < 60; ++i) {
      const double mid = 0.5 * (lo + hi);
      (lnRatio(mid) > 0.0 ? lo : hi) = mid;
    }
    EXPECT_NEAR(lo, p.P, p.tol) << "T " << p.T;
  }
}

TEST(Fugacity, TendsToThePressureOfADiluteGas) {
  const double T = 800.0, V = 1e8;
  const double P = Haar_Pressure(T, V);
  EXPECT_NEAR(Haar_Fugacity(T, P, V) / P, 1.0, 1e-6);
}

// The fugacity coefficient of the liquid is far below 1 and follows from the
// Gibbs energy: ln(f2 / f1) = (G2 - G1) / RT along an isotherm.
TEST(Fugacity, FollowsTheGibbsEnergy) {
  const double T = 350.0;
  const double V1 = Haar_Volume(T, 1.0, 18.0), V2 = Haar_Volume(T, 50.0, 18.0);
  const double f1 = Haar_Fugacity(T, 1.0, V1), f2 = Haar_Fugacity(T, 50.0, V2);
  auto G = [T](double V) {
    return Haar_Base(Q::Gibbs, T, V) + Haar_Residual(Q::Gibbs, T, V) + Haar_Ideal(Q::Gibbs, T);
  };
  EXPECT_LT(f1 / 1.0, 0.1);
  EXPECT_NEAR(std::log(f2 / f1), (G(V2) - G(V1)) / (GasConstantR * T), 1e-8);
}

TEST(Fugacity, ArgumentsNotAboveZero) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  // T, V not above 0: the coefficient is 1 and P itself comes back.
  EXPECT_EQ(Haar_Fugacity(300.0, 2.5, 0.0), 2.5);
  EXPECT_EQ(Haar_Fugacity(300.0, 2.5, -4.0), 2.5);
  EXPECT_EQ(Haar_Fugacity(0.0, 2.5, 18.0), 2.5);
  EXPECT_EQ(Haar_Fugacity(-10.0, 2.5, 18.0), 2.5);
  EXPECT_EQ(Haar_Fugacity(nan, 2.5, 18.0), 2.5);
  // P = 0 gives 0; a negative P is returned unchanged.
  EXPECT_EQ(Haar_Fugacity(300.0, 0.0, 18.0), 0.0);
  EXPECT_EQ(Haar_Fugacity(300.0, -3.0, 18.0), -3.0);
}

TEST(Fugacity, FailsOutsideTheBasePartsTemperatureWindow) {
  // Without the base part the departure function is no property of water:
  // the failure value, as for the pressure, rather than a wrong fugacity.
  for (double T : {150.0, 200.59, 5344.9, 6000.0}) {
    EXPECT_EQ(Haar_Fugacity(T, 0.1, 30000.0), 0.0) << "T " << T;
    EXPECT_EQ(Haar_Fugacity(T, 100.0, 18.0), 0.0) << "T " << T;
  }
  // Just inside the window a dilute gas still has a fugacity near P.
  EXPECT_NEAR(Haar_Fugacity(5344.8, 0.1, Haar_Volume(5344.8, 0.1, 400000.0)), 0.1, 1e-4);
}

TEST(Fugacity, LogarithmOutOfRangeGivesZero) {
  // A pressure absurdly far from that of the state: |ln phi| reaches 227.
  EXPECT_EQ(Haar_Fugacity(300.0, 1e-120, 18.0), 0.0);
  // A state with no number: ln phi is not a number.
  EXPECT_EQ(Haar_Fugacity(300.0, 1.0, 1e-320), 0.0);
  // Just inside: ln phi = Z - 1 - ln Z + departure stays below 227.
  const double P = 1e-90;
  const double f = Haar_Fugacity(300.0, P, 18.0);
  const double lnPhi = std::log(f / P);
  EXPECT_GT(f, 0.0);
  EXPECT_GT(lnPhi, 150.0);
  EXPECT_LT(lnPhi, MaxExpArgument);
}

}  // namespace
