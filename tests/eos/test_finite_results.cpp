// Every public function of the equation of state answers any double with a
// finite number: arguments that make a value overflow or become undefined
// give the failure value 0, never NaN or an infinity that a window would
// show as "nan" or "inf".
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "eos/Globals.h"

namespace {

using namespace Globals;
namespace Q = Globals::Haar_Quantity;

constexpr double inf = std::numeric_limits<double>::infinity();
const double nan = std::numeric_limits<double>::quiet_NaN();

// Arguments whose results used to overflow or be undefined.
TEST(FiniteResults, ExtremeArgumentsGiveTheFailureValue) {
  const struct {
    const char* call;
    double result;
  } cases[] = {
      {"Cv(300, 1e-160)", Haar_Cv(300, 1e-160)},
      {"Entropy(300, 1e-160)", Haar_Entropy(300, 1e-160)},
      {"Energy(300, 1e-160)", Haar_Energy(300, 1e-160)},
      {"Helmholtz(300, 1e-160)", Haar_Helmholtz(300, 1e-160)},
      {"Enthalpy(300, 1e-120)", Haar_Enthalpy(300, 1e-120)},
      {"Cp(300, 1e-120)", Haar_Cp(300, 1e-120)},
      {"Cp(300, 1e160)", Haar_Cp(300, 1e160)},
      {"Enthalpy(300, 1e307)", Haar_Enthalpy(300, 1e307)},
      {"Dielectric(300, 1e-80)", Haar_Dielectric(300, 1e-80)},
      {"Viscosity(inf, 15)", Haar_Viscosity(inf, 15)},
      {"Fugacity(150, inf, 0)", Haar_Fugacity(150, inf, 0)},
      {"Residual(0, 300, 1e-200)", Haar_Residual(Q::Pressure, 300, 1e-200)},
      {"Base(0, 300, 1e-300)", Haar_Base(Q::Pressure, 300, 1e-300)},
      {"Ideal(2, 1e-200)", Haar_Ideal(Q::Helmholtz, 1e-200)},
  };
  for (const auto& c : cases) EXPECT_EQ(c.result, 0.0) << c.call;
}

// Every function over a grid of ordinary and extreme arguments.
TEST(FiniteResults, EveryFunctionOverExtremeArguments) {
  const std::vector<double> values = {-inf,  -1e300, -1.0,  0.0,   1e-300, 1e-200, 1e-160,
                                      1e-120, 1e-80, 1e-5,  4.0,   18.0,   300.0,  1e5,
                                      1e160, 1e307,  1e308, inf,   nan};
  using TV = std::function<double(double, double)>;
  const std::vector<std::pair<const char*, TV>> twoArgs = {
      {"Pressure", Haar_Pressure},     {"Helmholtz", Haar_Helmholtz}, {"Entropy", Haar_Entropy},
      {"Energy", Haar_Energy},         {"Enthalpy", Haar_Enthalpy},   {"Gibbs", Haar_Gibbs},
      {"Cv", Haar_Cv},
      {"Cp", Haar_Cp},                 {"Sound", Haar_Sound},         {"JouleThomson", Haar_JouleThomson},
      {"Viscosity", Haar_Viscosity},   {"Dielectric", Haar_Dielectric},
  };
  const int selectors[] = {Q::Pressure, Q::ReducedHelmholtz, Q::Helmholtz, Q::Entropy, Q::Energy,
                           Q::Enthalpy, Q::Gibbs,            Q::Cv,        Q::dPdRho,  Q::dPdT};
  int bad = 0;
  auto check = [&bad](double r, const char* f, double a, double b, double c = 0) {
    if (std::isfinite(r)) return;
    if (++bad <= 10) ADD_FAILURE() << f << "(" << a << ", " << b << ", " << c << ") = " << r;
  };
  for (double a : values) {
    check(Haar_SurfaceTension(a), "SurfaceTension", a, 0);
    check(SaturationP(a), "SaturationP", a, 0);
    check(SaturationT(a), "SaturationT", a, 0);
    check(SaturationTV(a), "SaturationTV", a, 0);
    for (int phase : {SaturationPhase::Vapour, SaturationPhase::Liquid}) {
      check(SaturationV(phase, a), "SaturationV", phase, a);
    }
    for (int s : selectors) check(Haar_Ideal(s, a), "Ideal", s, a);
    for (double b : values) {
      for (const auto& [name, f] : twoArgs) check(f(a, b), name, a, b);
      for (int s : selectors) {
        check(Haar_Base(s, a, b), "Base", s, a, b);
        check(Haar_Residual(s, a, b), "Residual", s, a, b);
      }
      for (double c : {1e-300, 18.0, 1e307, inf, nan}) {
        check(Haar_Fugacity(a, c, b), "Fugacity", a, c, b);
      }
    }
  }
  // The searches from a few starts (each may run its 500 passes).
  for (double a : {-1.0, 1e-300, 300.0, 1e160, inf, nan}) {
    for (double b : {-1.0, 1e-300, 18.0, 1e160, inf, nan}) {
      for (double s : {0.0, 18.0, 1e300}) {
        check(Haar_Volume(a, b, s), "Volume", a, b, s);
        check(Haar_Temperature(a, b, s), "Temperature", a, b, s);
      }
    }
  }
  EXPECT_EQ(bad, 0);
}

}  // namespace
