// The ideal-gas part and the caloric and derived properties: published
// heat capacities and speeds of sound of the NBS/NRC Steam Tables, and the
// thermodynamic identities between them.
#include <gtest/gtest.h>

#include <cmath>

#include "eos/Globals.h"
#include "tests/eos/HookCounter.h"

namespace {

using namespace Globals;
using namespace eostest;

constexpr double M = MolarMassH2O;

double LiquidVolume(double T, double P) { return Haar_Volume(T, P, 18.0); }
double VapourVolume(double T, double P) { return Haar_Volume(T, P, GasConstantR * T / P); }

// ------------------------------------------------------------ ideal-gas part

TEST(IdealPart, GivesTheIdealGasHeatCapacity) {
  // Cp of water as an ideal gas, J/(mol K), JANAF tables (33.590 at
  // 298.15 K, 41.268 at 1000 K). Selector 7 of this part alone is Cv + R,
  // the ideal-gas Cp.
  EXPECT_NEAR(Haar_Ideal(Haar_Quantity::Cv, 298.15), 33.59, 0.01);
  EXPECT_NEAR(Haar_Ideal(Haar_Quantity::Cv, 1000.0), 41.27, 0.01);
}

TEST(IdealPart, YieldsOncePerTermOfEachSum) {
  HookCounter hooks;
  Haar_Ideal(Haar_Quantity::Cv, 500.0);
  EXPECT_EQ(hookCalls, 48);
  hookCalls = 0;
  Haar_Ideal(Haar_Quantity::Cv, 0.0);
  EXPECT_EQ(hookCalls, 0);
}

TEST(IdealPart, SelectorsAndRange) {
  for (int sel : {2, 3, 4, 7}) {
    EXPECT_EQ(Haar_Ideal(sel, 0.0), 0.0) << sel;
    EXPECT_EQ(Haar_Ideal(sel, -5.0), 0.0) << sel;
    EXPECT_EQ(Haar_Ideal(sel, std::nan("")), 0.0) << sel;
  }
  EXPECT_NE(Haar_Ideal(Haar_Quantity::Helmholtz, 1.0), 0.0);
  for (double T : {300.0, 1500.0}) {
    EXPECT_EQ(Haar_Ideal(Haar_Quantity::Energy, T), Haar_Ideal(Haar_Quantity::Enthalpy, T));
    EXPECT_EQ(Haar_Ideal(Haar_Quantity::Helmholtz, T), Haar_Ideal(Haar_Quantity::Gibbs, T));
    for (int sel : {0, 1, 8, 99, -1, 100, 101}) EXPECT_EQ(Haar_Ideal(sel, T), 0.0) << sel;
  }
}

// ------------------------------------------------ published property values

struct SteamTableState {
  double T, P;
  bool vapour;
  double cp;     // kJ/(kg K); 0 where not published
  double cpHalf;
  double sound;  // m/s; 0 where not published
};

TEST(Caloric, HeatCapacityAndSpeedOfSoundMatchSteamTables) {
  // Cp at 273.15 K and 10 MPa (4.1763) and at 2273.15 K (2.93151) lie
  // within one unit, not half a unit, of the last published digit.
  const SteamTableState states[] = {
      {273.15, 10, false, 4.177, 0.001, 1418.1},  {273.15, 100, false, 3.909, 0.0005, 1577.1},
      {273.15, 250, false, 0, 0, 1913.4},          {273.15, 500, false, 2.89, 0.005, 0},
      {273.15, 0.1, false, 4.228, 0.0005, 1401.0}, {373.15, 0.1, true, 2.042, 0.0005, 472.8},
      {473.15, 0.1, true, 1.975, 0.0005, 533.7},   {673.15, 0.1, true, 2.070, 0.0005, 632.2},
      {773.15, 0.1, true, 2.135, 0.0005, 674.6},   {873.15, 0.1, true, 2.203, 0.0005, 713.9},
      {1373.15, 0.1, true, 2.541, 0.0005, 880.1},  {2273.15, 0.1, true, 2.931, 0.001, 1115.9},
  };
  for (const auto& s : states) {
    const double V = s.vapour ? VapourVolume(s.T, s.P) : LiquidVolume(s.T, s.P);
    ASSERT_GT(V, 0.0) << s.T << " K " << s.P << " MPa";
    if (s.cp > 0) {
      EXPECT_NEAR(Haar_Cp(s.T, V) / M, s.cp, s.cpHalf) << s.T << " K " << s.P << " MPa";
    }
    if (s.sound > 0) {
      // 1373.15 K: the equation gives 880.05 with the gas constant 8.314472;
      // the tables, with 8.31441, print 880.1.
      const double half = (s.T == 1373.15) ? 0.06 : 0.05;
      EXPECT_NEAR(Haar_Sound(s.T, V), s.sound, half) << s.T << " K " << s.P << " MPa";
    }
  }
}

// Inside the region where the isotherm falls with density (M dP/drho < 0):
// Cp lies below Cv; the speed of sound exists only where Cp M dP/drho / Cv
// is above 0, the Joule-Thomson coefficient only where Cp is above 0.
TEST(Caloric, StatesWherePressureFallsWithDensity) {
  // 500 K, 40 cm3/mol: Cp below Cv but positive, so no speed of sound.
  ASSERT_LT(Haar_dPdRho(500.0, 40.0), 0.0);
  EXPECT_LT(Haar_Cp(500.0, 40.0), Haar_Cv(500.0, 40.0));
  EXPECT_GT(Haar_Cp(500.0, 40.0), 0.0);
  EXPECT_EQ(Haar_Sound(500.0, 40.0), 0.0);
  EXPECT_NE(Haar_JouleThomson(500.0, 40.0), 0.0);
  // 600 K, 40 cm3/mol: Cp negative, so a real square root but no
  // Joule-Thomson coefficient.
  ASSERT_LT(Haar_dPdRho(600.0, 40.0), 0.0);
  EXPECT_LT(Haar_Cp(600.0, 40.0), 0.0);
  EXPECT_GT(Haar_Sound(600.0, 40.0), 0.0);
  EXPECT_EQ(Haar_JouleThomson(600.0, 40.0), 0.0);
}

// ----------------------------------------------------------- identities

// States of liquid, vapour, dense supercritical fluid and hot gas.
struct TV {
  double T, V;
};
const TV kStates[] = {{300.0, 18.1}, {450.0, 5000.0}, {600.0, 25.0}, {700.0, 40.0}, {1200.0, 800.0}};

TEST(Caloric, EntropyEnergyAndCvFromTheHelmholtzEnergy) {
  for (const auto& s : kStates) {
    const double h = 1e-3 * s.T;
    const double a0 = Haar_Helmholtz(s.T - h, s.V);
    const double a1 = Haar_Helmholtz(s.T, s.V);
    const double a2 = Haar_Helmholtz(s.T + h, s.V);
    const double S = Haar_Entropy(s.T, s.V);
    EXPECT_NEAR(S, -(a2 - a0) / (2 * h), 1e-4 * std::fabs(S) + 1e-6) << s.T << " " << s.V;
    EXPECT_NEAR(Haar_Energy(s.T, s.V), a1 + s.T * S, 1e-9 * std::fabs(a1) + 1e-6) << s.T;
    const double cvFd = -s.T * (a2 - 2 * a1 + a0) / (h * h);
    EXPECT_NEAR(Haar_Cv(s.T, s.V), cvFd, 2e-3 * Haar_Cv(s.T, s.V)) << s.T << " " << s.V;
    // P = -dA/dV at constant T, MPa cm3 = J.
    const double dv = 1e-5 * s.V;
    const double P = -(Haar_Helmholtz(s.T, s.V + dv) - Haar_Helmholtz(s.T, s.V - dv)) / (2 * dv);
    EXPECT_NEAR(Haar_Pressure(s.T, s.V), P, 1e-5 * std::fabs(P) + 1e-4) << s.T << " " << s.V;
  }
}

TEST(Caloric, EnthalpyAndGibbsEnergyAddPV) {
  for (const auto& s : kStates) {
    const double PV = Haar_Pressure(s.T, s.V) * s.V;
    const double H = Haar_Enthalpy(s.T, s.V);
    EXPECT_NEAR(H, Haar_Energy(s.T, s.V) + PV, 1e-9 * std::fabs(H) + 1e-6) << s.T << " " << s.V;
    const double G = Haar_Gibbs(s.T, s.V);
    EXPECT_NEAR(G, Haar_Helmholtz(s.T, s.V) + PV, 1e-9 * std::fabs(G) + 1e-6) << s.T << " " << s.V;
  }
}

TEST(Caloric, CpIsTheIsobaricDerivativeOfEnthalpy) {
  const struct {
    double T, P, Vstart;
  } cases[] = {{300.0, 0.1, 18.0}, {500.0, 10.0, 20.0}, {700.0, 30.0, 60.0}, {500.0, 0.1, 41000.0}};
  for (const auto& c : cases) {
    const double h = 0.01;
    const double Vm = Haar_Volume(c.T - h, c.P, c.Vstart);
    const double V = Haar_Volume(c.T, c.P, c.Vstart);
    const double Vp = Haar_Volume(c.T + h, c.P, c.Vstart);
    ASSERT_GT(Vm * V * Vp, 0.0);
    const double cpFd = (Haar_Enthalpy(c.T + h, Vp) - Haar_Enthalpy(c.T - h, Vm)) / (2 * h);
    const double cp = Haar_Cp(c.T, V);
    EXPECT_NEAR(cp, cpFd, 1e-4 * cp) << c.T << " K " << c.P << " MPa";
    // Joule-Thomson coefficient: (dT/dP) at constant H, K/MPa.
    const double dp = 1e-4 * c.P;
    const double Hd = Haar_Enthalpy(c.T, V);
    const double Vup = Haar_Volume(c.T, c.P + dp, V);
    const double dHdP = (Haar_Enthalpy(c.T, Vup) - Hd) / dp;
    const double mu = Haar_JouleThomson(c.T, V);
    EXPECT_NEAR(mu, -dHdP / cp, 2e-3 * std::fabs(mu) + 1e-4) << c.T << " K " << c.P << " MPa";
  }
}

// -------------------------------------------------------- failure value

// Cv, Cp, the speed of sound and the Joule-Thomson coefficient evaluate the
// residual part (40 yields) and the ideal-gas part (48 yields) once each.
TEST(Caloric, EvaluatesEachPartOnce) {
  HookCounter hooks;
  for (auto f : {Haar_Cv, Haar_Cp, Haar_Sound, Haar_JouleThomson}) {
    hookCalls = 0;
    EXPECT_NE(f(500.0, 20.0), 0.0);
    EXPECT_EQ(hookCalls, 88);
  }
}

TEST(Caloric, ZeroOutsideTheEquationsRange) {
  double (*const functions[])(double, double) = {
      Haar_Helmholtz, Haar_Entropy, Haar_Energy, Haar_Enthalpy, Haar_Gibbs,
      Haar_Cv,        Haar_Cp,      Haar_Sound,  Haar_JouleThomson,
  };
  for (auto f : functions) {
    EXPECT_EQ(f(0.0, 18.0), 0.0);
    EXPECT_EQ(f(-300.0, 18.0), 0.0);
    EXPECT_EQ(f(300.0, 0.0), 0.0);
    EXPECT_EQ(f(300.0, -18.0), 0.0);
    // Outside the base part's temperature window the residual and ideal
    // parts alone are no property of water.
    EXPECT_EQ(f(200.0, 18.0), 0.0);
    EXPECT_EQ(f(5400.0, 1000.0), 0.0);
    EXPECT_EQ(f(std::nan(""), 18.0), 0.0);
    EXPECT_NE(f(300.0, 18.1), 0.0);
    EXPECT_NE(f(3000.0, 1000.0), 0.0);
  }
}

}  // namespace
