// The base and residual parts of the Helmholtz function: their range
// guards, the consistency of every selector with the Helmholtz energy it
// derives from, their low-density limits, and the second virial coefficient
// of the NBS/NRC Steam Tables.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

#include "eos/Globals.h"
#include "tests/eos/HookCounter.h"

namespace {

using namespace Globals;
using namespace eostest;
namespace Q = Globals::Haar_Quantity;

using Part = std::function<double(int, double, double)>;
const Part Base = [](int s, double T, double V) { return Haar_Base(s, T, V); };
const Part Residual = [](int s, double T, double V) { return Haar_Residual(s, T, V); };

constexpr int AllSelectors[] = {Q::Pressure, Q::ReducedHelmholtz, Q::Helmholtz, Q::Entropy,
                                Q::Energy,   Q::Enthalpy,         Q::Gibbs,     Q::Cv,
                                Q::dPdRho,   Q::dPdT};

struct State {
  double T;  // K
  double V;  // cm3/mol
};
// Compressed cold liquid (the fourth Gaussian term), liquid, near-critical,
// supercritical fluid, vapour and hot gas.
constexpr State States[] = {{273.15, 16.5}, {300.0, 18.0}, {647.2, 56.0},
                            {700.0, 60.0},   {500.0, 4000.0}, {1500.0, 200.0}};

double Rel(double a, double b) { return std::abs(a - b) / std::max(std::abs(b), 1e-300); }

TEST(HelmholtzParts, DeclineStatesOutsideTheirRange) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (int s : AllSelectors) {
    // The base part's window is 0.31 < T / 647.073 < 8.26 (200.593 K to 5344.823 K).
    for (double T : {200.0, 200.59, 5344.9, 5400.0, 0.0, -5.0, nan}) {
      EXPECT_EQ(Haar_Base(s, T, 18.0), 0.0) << "sel " << s << " T " << T;
    }
    for (double V : {0.0, -1.0, nan}) {
      EXPECT_EQ(Haar_Base(s, 300.0, V), 0.0) << "sel " << s << " V " << V;
      EXPECT_EQ(Haar_Residual(s, 300.0, V), 0.0) << "sel " << s << " V " << V;
    }
    for (double T : {0.0, -5.0, nan}) {
      EXPECT_EQ(Haar_Residual(s, T, 18.0), 0.0) << "sel " << s << " T " << T;
    }
  }
  // An infinite volume means zero density.
  EXPECT_EQ(Haar_Residual(Q::Helmholtz, 300.0, std::numeric_limits<double>::infinity()), 0.0);
  // Just inside the window the base part answers; the residual part has no
  // temperature window and answers at 200 K and 5400 K alike.
  EXPECT_NE(Haar_Base(Q::Pressure, 200.6, 18.0), 0.0);
  EXPECT_NE(Haar_Base(Q::Pressure, 5344.8, 18.0), 0.0);
  EXPECT_NE(Haar_Residual(Q::Pressure, 200.0, 18.0), 0.0);
  EXPECT_NE(Haar_Residual(Q::Pressure, 5400.0, 18.0), 0.0);
}

TEST(HelmholtzParts, UnknownSelectorsGiveZero) {
  for (int s : {8, 99, 102, -1, 1000}) {
    for (const State& st : States) {
      EXPECT_EQ(Haar_Base(s, st.T, st.V), 0.0);
      EXPECT_EQ(Haar_Residual(s, st.T, st.V), 0.0);
    }
  }
}

// Five-point central differences: first and second derivative of f at x.
double D1(const std::function<double(double)>& f, double x, double h) {
  return (-f(x + 2 * h) + 8 * f(x + h) - 8 * f(x - h) + f(x - 2 * h)) / (12 * h);
}
double D2(const std::function<double(double)>& f, double x, double h) {
  return (-f(x + 2 * h) + 16 * f(x + h) - 30 * f(x) + 16 * f(x - h) - f(x - 2 * h)) / (12 * h * h);
}

// P = -dA/dV, S = -dA/dT, Cv = -T d2A/dT2, M dP/drho = -V^2 dP/dV, and
// dP/dT at constant volume, each against central differences of the
// selector it derives from; checked for each part on its own.
TEST(HelmholtzParts, SelectorsAreDerivativesOfTheHelmholtzEnergy) {
  for (const Part* part : {&Base, &Residual}) {
    const Part& f = *part;
    for (const State& st : States) {
      const double T = st.T, V = st.V;
      const double hV = V * 1e-4, hT = T * 1e-4;
      auto ofV = [&](int s) { return [&f, s, T](double v) { return f(s, T, v); }; };
      auto ofT = [&](int s) { return [&f, s, V](double t) { return f(s, t, V); }; };
      SCOPED_TRACE(testing::Message() << (part == &Base ? "base" : "residual") << " T " << T
                                      << " V " << V);
      EXPECT_LT(Rel(f(Q::Pressure, T, V), -D1(ofV(Q::Helmholtz), V, hV)), 1e-6);
      EXPECT_LT(Rel(f(Q::Entropy, T, V), -D1(ofT(Q::Helmholtz), T, hT)), 1e-6);
      EXPECT_LT(Rel(f(Q::Cv, T, V), -T * D2(ofT(Q::Helmholtz), T, 2 * hT)), 1e-5);
      EXPECT_LT(Rel(f(Q::dPdRho, T, V), -V * V * D1(ofV(Q::Pressure), V, hV)), 1e-6);
      EXPECT_LT(Rel(f(Q::dPdT, T, V), D1(ofT(Q::Pressure), T, hT)), 1e-6);
    }
  }
}

// U + PV, A + PV with the part's own pressure, and the reduced departure.
TEST(HelmholtzParts, CompositeSelectorsAgreeWithTheirParts) {
  for (const State& st : States) {
    const double T = st.T, V = st.V;
    for (const Part* part : {&Base, &Residual}) {
      const Part& f = *part;
      const double PV = f(Q::Pressure, T, V) * V;
      const double scale = std::abs(f(Q::Helmholtz, T, V)) + std::abs(PV) + 1.0;
      EXPECT_NEAR(f(Q::Enthalpy, T, V) - f(Q::Energy, T, V), PV, 1e-10 * scale);
      EXPECT_NEAR(f(Q::Gibbs, T, V) - f(Q::Helmholtz, T, V), PV, 1e-10 * scale);
      EXPECT_NEAR(f(Q::Energy, T, V), f(Q::Helmholtz, T, V) + T * f(Q::Entropy, T, V),
                  1e-10 * (scale + std::abs(T * f(Q::Entropy, T, V))));
    }
    EXPECT_NEAR(Haar_Residual(Q::ReducedHelmholtz, T, V) * GasConstantR * T,
                Haar_Residual(Q::Helmholtz, T, V), 1e-9 * std::abs(Haar_Residual(Q::Helmholtz, T, V)));
    // The base part's departure is its Helmholtz energy less the ideal-gas
    // density term ln(rho R' T / p0).
    const double rho = MolarMassH2O / V;
    const double lnIdeal = std::log(rho * SpecificGasConstant * T / 1.01325);
    EXPECT_NEAR(Haar_Base(Q::ReducedHelmholtz, T, V),
                Haar_Base(Q::Helmholtz, T, V) / (GasConstantR * T) - lnIdeal, 1e-9);
  }
}

TEST(HelmholtzParts, BaseTendsToTheIdealGasAtVanishingDensity) {
  for (double T : {300.0, 1000.0, 4000.0}) {
    const double V = 1e12;
    EXPECT_LT(Rel(Haar_Base(Q::Pressure, T, V), GasConstantR * T / V), 1e-8);
    EXPECT_NEAR(Haar_Base(Q::ReducedHelmholtz, T, V), 0.0, 1e-8);
    EXPECT_NEAR(Haar_Base(Q::Energy, T, V), -GasConstantR * T, 1e-6 * T);
    EXPECT_NEAR(Haar_Base(Q::Enthalpy, T, V), 0.0, 1e-6 * T);
    EXPECT_NEAR(Haar_Base(Q::Cv, T, V), -GasConstantR, 1e-6);
    EXPECT_NEAR(Haar_Residual(Q::ReducedHelmholtz, T, V), 0.0, 1e-8);
  }
}

// NBS/NRC Steam Tables: second virial coefficient B in cm3/g, the limit of
// (Z - 1) / rho of the whole equation at vanishing density.
TEST(HelmholtzParts, SecondVirialCoefficientMatchesTheSteamTables) {
  const struct {
    double T, B;
  } published[] = {{273.15, -98.96}, {363.15, -27.81}, {673.15, -4.03}, {1273.15, -0.39}};
  const double rho = 1e-8;  // g/cm3, low enough for the third virial term to vanish
  const double V = MolarMassH2O / rho;
  for (const auto& p : published) {
    const double P = Haar_Base(Q::Pressure, p.T, V) + Haar_Residual(Q::Pressure, p.T, V);
    const double Z = P * V / (GasConstantR * p.T);
    EXPECT_NEAR((Z - 1.0) / rho, p.B, 0.005) << "T " << p.T;
  }
}

// Below w = 1 - b rho / 4 = 0 (molar volumes under about 4.2 cm3/mol) the
// pressure selectors are still finite rational functions of w and keep
// their derivative relations; the selectors built on -ln w are undefined
// and give 0.
TEST(HelmholtzParts, BaseBelowZeroFreeVolume) {
  const double T = 667.0;
  auto pOfV = [T](double v) { return Haar_Base(Q::Pressure, T, v); };
  // At 667 K the bound b M / 4 lies near 3.3 cm3/mol.
  for (double V : {0.5, 2.0, 3.0}) {
    SCOPED_TRACE(testing::Message() << "V " << V);
    const double P = Haar_Base(Q::Pressure, T, V);
    EXPECT_TRUE(std::isfinite(P));
    EXPECT_NE(P, 0.0);
    auto pOfT = [V](double t) { return Haar_Base(Q::Pressure, t, V); };
    EXPECT_LT(Rel(Haar_Base(Q::dPdRho, T, V), -V * V * D1(pOfV, V, V * 1e-5)), 1e-6);
    EXPECT_LT(Rel(Haar_Base(Q::dPdT, T, V), D1(pOfT, T, T * 1e-5)), 1e-6);
    EXPECT_TRUE(std::isfinite(Haar_Base(Q::Cv, T, V)));
    for (int s : {Q::ReducedHelmholtz, Q::Helmholtz, Q::Entropy, Q::Energy, Q::Enthalpy, Q::Gibbs}) {
      EXPECT_EQ(Haar_Base(s, T, V), 0.0) << "sel " << s;
    }
  }
  // Above the bound every selector is answered.
  EXPECT_NE(Haar_Base(Q::Helmholtz, T, 3.4), 0.0);
}

TEST(HelmholtzParts, ResidualYieldsOncePerTerm) {
  HookCounter hooks;
  // Whatever the selector, known or not, and whether the Gaussian terms'
  // exponentials vanish (cold liquid) or not (near the critical point).
  for (int sel : {Q::Pressure, Q::ReducedHelmholtz, Q::Helmholtz, Q::Entropy, Q::Energy,
                  Q::Enthalpy, Q::Gibbs, Q::Cv, Q::dPdRho, Q::dPdT, 8}) {
    for (auto [T, V] : {std::pair{300.0, 18.0}, std::pair{640.0, 56.0}}) {
      hookCalls = 0;
      Haar_Residual(sel, T, V);
      EXPECT_EQ(hookCalls, 40) << "sel " << sel << " T " << T;
    }
  }
  hookCalls = 0;
  Haar_Residual(Q::Pressure, 300.0, 0.0);  // declined: no term evaluated
  Haar_Base(Q::Pressure, 300.0, 18.0);     // closed form: no loop
  EXPECT_EQ(hookCalls, 0);
}

// The hook a pause of the background step takes away is back however the
// pause ends, an exception included.
TEST(HelmholtzParts, APausedBackgroundStepComesBackAfterAnException) {
  HookCounter hooks;
  try {
    const BackgroundTaskPause pause;
    EXPECT_EQ(CurrentBackgroundTask(), nullptr);
    throw std::runtime_error("through the pause");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(CurrentBackgroundTask(), &CountHook);
}

// The base part keeps what depends on the temperature alone between calls;
// no earlier call may show through in either part. Every value is the same,
// bit for bit, whether another temperature or the same state was asked just
// before, whether a background task evaluates another temperature in the
// middle of a term loop, and whether another thread evaluates at the same time.
void OtherTemperature() {
  static thread_local bool running = false;  // the task's own yields
  if (running) return;
  running = true;
  Haar_Pressure(1000.0, 30.0);
  Haar_Residual(Q::Entropy, 400.0, 20.0);
  running = false;
}

enum class Before { Nothing, OtherTemperature, SameState };
std::vector<double> AllValues(Before before) {
  std::vector<double> values;
  const auto add = [&](const auto& value) {
    if (before == Before::OtherTemperature) OtherTemperature();
    if (before == Before::SameState) value();
    values.push_back(value());
  };
  for (const auto& [T, V] : States) {
    for (int sel : AllSelectors) {
      add([&] { return Haar_Base(sel, T, V); });
      add([&] { return Haar_Residual(sel, T, V); });
    }
    add([&] { return Haar_Pressure(T, V); });
  }
  return values;
}

TEST(HelmholtzParts, NoEarlierTemperatureShowsThrough) {
  const std::vector<double> fresh = AllValues(Before::OtherTemperature);
  EXPECT_EQ(AllValues(Before::SameState), fresh);
  EXPECT_EQ(AllValues(Before::Nothing), fresh);
  SetBackgroundTask(&OtherTemperature);
  const std::vector<double> duringTask = AllValues(Before::Nothing);
  SetBackgroundTask(nullptr);
  EXPECT_EQ(duringTask, fresh);
  std::vector<double> onOtherThread, onThisThread;
  std::thread other([&onOtherThread] {
    for (int i = 0; i < 20; ++i) onOtherThread = AllValues(Before::OtherTemperature);
  });
  for (int i = 0; i < 20; ++i) onThisThread = AllValues(Before::OtherTemperature);
  other.join();
  EXPECT_EQ(onThisThread, fresh);
  EXPECT_EQ(onOtherThread, fresh);
}

}  // namespace
