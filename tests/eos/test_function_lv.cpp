// The liquid-minus-vapour fugacity function: its zero is the saturation
// curve of the equation of state (NBS/NRC Steam Tables), it fills the two
// saturation arrays, and it fails (not a number) rather than offer a false
// zero when no root lies on the required side.
#include <gtest/gtest.h>

#include <cmath>

#include "eos/Globals.h"
#include "tests/eos/HookCounter.h"

namespace {

using namespace Globals;
using namespace eostest;

// The saturation pressure of the equation at T: a plain secant search on
// Function_LV over the pressure, started from the auxiliary curve.
double EquationSaturationPressure(double T) {
  double p0 = SaturationP(T);
  double p1 = 0.999 * p0;
  double f0 = Function_LV(NudgeVariable::Pressure, T, p0);
  double f1 = Function_LV(NudgeVariable::Pressure, T, p1);
  for (int pass = 0; pass < 100 && f1 != f0; ++pass) {
    const double p2 = p1 - f1 * (p1 - p0) / (f1 - f0);
    p0 = p1;
    f0 = f1;
    p1 = p2;
    f1 = Function_LV(NudgeVariable::Pressure, T, p1);
    if (std::fabs(p1 - p0) < 1e-13 * p1) break;
  }
  return p1;
}

// Gibbs energy G = A + P V of one root.
double Gibbs(double T, double P, double V) { return Haar_Helmholtz(T, V) + P * V; }

TEST(FunctionLV, ZeroIsTheSaturationPressureOfTheSteamTables) {
  struct Case {
    double T, P, halfDigit;
  };
  const Case cases[] = {
      {373.15, 0.10132, 0.000005},
      {473.15, 1.5537, 0.00005},
      {573.15, 8.5838, 0.00005},
      {623.15, 16.521, 0.0005},
      // 0.00061173 is reached with the gas constant 8.31441 of the 1984
      // tables; with 8.314472 the equation gives 0.00061174.
      {273.16, 0.00061173, 0.000000015},
  };
  for (const auto& c : cases) {
    const double P = EquationSaturationPressure(c.T);
    EXPECT_NEAR(P, c.P, c.halfDigit) << c.T << " K";
    // The two roots lie on their own sides and have equal Gibbs energies.
    const double VL = MolarVolumes[0];
    const double VV = MolarVolumes[1];
    EXPECT_LT(VL, CritMolarVol) << c.T;
    EXPECT_GT(VV, CritMolarVol) << c.T;
    const double gL = Gibbs(c.T, P, VL);
    EXPECT_NEAR(gL, Gibbs(c.T, P, VV), 1e-8 * std::fabs(gL)) << c.T;
    EXPECT_NEAR(Fugacity[0], Fugacity[1], 1e-10 * P) << c.T;
  }
}

TEST(FunctionLV, FindsTheCurveCloseToTheCriticalPoint) {
  // Near 647 K states slightly off the curve need some hundreds of pressure
  // shifts before each root lies on its own side.
  const double P = EquationSaturationPressure(646.8);
  EXPECT_NEAR(P, 21.969, 0.001);
  EXPECT_LT(MolarVolumes[0], CritMolarVol);
  EXPECT_GT(MolarVolumes[1], CritMolarVol);
}

// Close to the critical point a state 0.1 % below the curve needs shifts
// before the liquid search finds a liquid-like root: the stored liquid
// volume is the root at the shifted state (45 steps of 0.0001 MPa, or 167
// of 0.0001 K), while both fugacities are taken at the given T and P.
TEST(FunctionLV, NudgedRootsBelongToTheShiftedState) {
  const double T = 646.8;
  const double P = 0.999 * SaturationP(T);
  // Pressure shifts: the liquid root lies on the isotherm T at P + k 0.0001.
  double r = Function_LV(NudgeVariable::Pressure, T, P);
  ASSERT_TRUE(std::isfinite(r));
  double VL = MolarVolumes[0];
  const double VV = MolarVolumes[1];
  EXPECT_LT(VL, CritMolarVol);
  EXPECT_GT(VV, CritMolarVol);
  const double shifts = (Haar_Pressure(T, VL) - P) / 0.0001;
  EXPECT_GE(shifts, 1.0);
  EXPECT_NEAR(shifts, std::round(shifts), 1e-6);
  EXPECT_NEAR(Haar_Pressure(T, VV), P, 1e-9);  // the vapour needed no shift
  EXPECT_EQ(Fugacity[0], Haar_Fugacity(T, P, VL));
  EXPECT_EQ(Fugacity[1], Haar_Fugacity(T, P, VV));
  EXPECT_EQ(r, Fugacity[0] - Fugacity[1]);

  // Temperature shifts: the liquid root lies at P on an isotherm T - k 0.0001.
  r = Function_LV(NudgeVariable::Temperature, T, P);
  ASSERT_TRUE(std::isfinite(r));
  VL = MolarVolumes[0];
  EXPECT_LT(VL, CritMolarVol);
  EXPECT_GT(std::fabs(Haar_Pressure(T, VL) - P), 1e-3);
  int onShiftedIsotherm = 0;
  for (int k = 1; k <= 1000; ++k) {
    if (std::fabs(Haar_Pressure(T - k * 0.0001, VL) - P) < 1e-8) ++onShiftedIsotherm;
  }
  EXPECT_EQ(onShiftedIsotherm, 1);
  EXPECT_EQ(Fugacity[0], Haar_Fugacity(T, P, VL));
}

// Just below the critical point the vapour search from the auxiliary
// curve's vapour volume finds the liquid root at first: the vapour root lies
// on the isotherm at P - k 0.0001 (166 shifts here), the liquid one at P.
TEST(FunctionLV, VapourShiftsStayOnTheIsotherm) {
  const double T = 646.974266496905;
  const double P = 22.0315;
  const double r = Function_LV(NudgeVariable::Pressure, T, P);
  ASSERT_TRUE(std::isfinite(r));
  const double VV = MolarVolumes[1];
  EXPECT_NEAR(Haar_Pressure(T, MolarVolumes[0]), P, 1e-9);
  EXPECT_GT(VV, CritMolarVol);
  EXPECT_NEAR((P - Haar_Pressure(T, VV)) / 0.0001, 166.0, 1e-6);  // the shifts
  EXPECT_EQ(Fugacity[1], Haar_Fugacity(T, P, VV));
  EXPECT_EQ(r, Fugacity[0] - Fugacity[1]);
}

TEST(FunctionLV, StoresBothRootsAndFugacities) {
  const double T = 500.0;
  const double P = 2.0;  // above the saturation pressure: liquid is stable
  MolarVolumes.fill(-7.0);
  Fugacity.fill(-7.0);
  const double r = Function_LV(NudgeVariable::Pressure, T, P);
  // No shift was needed: the roots are those of the plain volume search.
  EXPECT_EQ(MolarVolumes[0], Haar_Volume(T, P, SaturationV(SaturationPhase::Liquid, T) - 1.0));
  EXPECT_EQ(MolarVolumes[1], Haar_Volume(T, P, SaturationV(SaturationPhase::Vapour, T) + 1.0));
  EXPECT_EQ(Fugacity[0], Haar_Fugacity(T, P, MolarVolumes[0]));
  EXPECT_EQ(Fugacity[1], Haar_Fugacity(T, P, MolarVolumes[1]));
  EXPECT_EQ(r, Fugacity[0] - Fugacity[1]);
  EXPECT_GT(r, 0.0);  // the vapour is the less stable phase here
  for (int i = 2; i < 7; ++i) {
    EXPECT_EQ(MolarVolumes[i], -7.0);
    EXPECT_EQ(Fugacity[i], -7.0);
  }
}

TEST(FunctionLV, NonPositiveArgumentsLeaveTheArrays) {
  MolarVolumes.fill(3.0);
  Fugacity.fill(4.0);
  EXPECT_EQ(Function_LV(0, 0.0, 10.0), 0.0);
  EXPECT_EQ(Function_LV(0, 500.0, 0.0), 0.0);
  EXPECT_EQ(Function_LV(0, -1.0, 10.0), 0.0);
  EXPECT_EQ(Function_LV(0, 500.0, -2.0), 0.0);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(MolarVolumes[i], 3.0);
    EXPECT_EQ(Fugacity[i], 4.0);
  }
}

// Evaluations whose retries, left unbounded, would run without end or long
// (685 retries and some 340,000 pressure evaluations at 500 K and 5.5 MPa;
// a shifted pressure below 0 at 270 K and 0.0005 MPa) end after a bounded
// amount of work and report failure as a value that is not a number.
TEST(FunctionLV, RetriesAreBoundedAndFailureIsNotANumber) {
  struct Case {
    int nudge;
    double T, P;
  };
  const Case cases[] = {
      {NudgeVariable::Pressure, 500.0, 5.5},      // far above the curve
      {NudgeVariable::Pressure, 270.0, 0.0005},   // below the triple point
      {NudgeVariable::Temperature, 500.0, 5.5},
      {NudgeVariable::Temperature, 646.4, 21.89},
      {NudgeVariable::Pressure, 640.0, 20.5},
      {NudgeVariable::Pressure, 300.0, 50.0},
  };
  HookCounter hooks;
  for (const auto& c : cases) {
    hookCalls = 0;
    const double r = Function_LV(c.nudge, c.T, c.P);
    EXPECT_TRUE(std::isnan(r)) << c.T << " K " << c.P << " MPa: " << r;
    // A pressure evaluation and its search pass yield 41 times; 20,000
    // evaluations are a few milliseconds.
    EXPECT_LT(hookCalls, 20000L * 41) << c.T << " K " << c.P << " MPa";
  }
}

// Without a liquid root the liquid fugacity would be the pressure itself and
// the difference P - fV would vanish where the vapour's fugacity
// coefficient is 1: at 22.05 MPa near 1491 K, which a temperature search
// would report as the homogenization temperature.
TEST(FunctionLV, NoLiquidRootIsAFailedEvaluation) {
  for (double T : {700.0, 1491.27, 250.0}) {
    const double r = Function_LV(NudgeVariable::Pressure, T, 22.05);
    EXPECT_TRUE(std::isnan(r)) << T;
    EXPECT_EQ(MolarVolumes[0], 0.0) << T;
    EXPECT_EQ(Fugacity[0], 22.05) << T;
  }
}

}  // namespace
