// Liquid-vapour equilibrium: the saturation search where it finds one, the
// direct solve otherwise, and the check every answer passes.
#include "thermo/Coexistence.h"

#include <algorithm>
#include <cmath>

#include "eos/Globals.h"
#include "thermo/DampedSaturationSecant.h"

namespace phase {

namespace {

using namespace Globals;

constexpr double PressureTolerance = 1e-6;   // MPa
constexpr double FugacityTolerance = 1e-10;  // relative to P

// The isotherm is scanned for its spinodals in steps of this factor in
// volume: near the critical point the unstable stretch is a few tenths of a
// cm3/mol wide around 60.7 cm3/mol, several steps of 0.1 %. Far out on the
// vapour side, where nothing narrow happens, the step is 1 %.
constexpr double FineScanFactor = 1.001;
constexpr double CoarseScanFactor = 1.01;
constexpr double CoarseScanAbove = 100.0;  // cm3/mol
// The liquid spinodal lies below this volume at every temperature that has one.
constexpr double LiquidScanEnd = 250.0;    // cm3/mol
// The scan for the vapour spinodal starts where water is an ideal gas at
// this pressure, well below the triple-point pressure.
constexpr double DilutePressure = 1e-4;    // MPa

// Passes of the one-dimensional solves; each ends far sooner, when its
// bracket can shrink no further.
constexpr int MaxBracketPasses = 200;
// Relative widths at which they stop: a few units in the last place for
// volumes and pressures; for the temperature, whose function nests the
// pressure solve and so carries its rounding, a little more.
constexpr double RootTolerance = 1e-15;
constexpr double TemperatureTolerance = 1e-14;
constexpr int MaxBisections = 200;
constexpr int MaxWidening = 60;

// Bracket of the temperature solve: the lowest temperature the windows
// compute at, and one above the equation's critical temperature.
constexpr double LowestTemperature = MinTempKelvin;  // K
constexpr double AboveCritical = 647.2;               // K
constexpr double FirstTemperatureStep = 0.01;         // K

// M (dP/drho) at constant T, in MPa cm3/mol: above 0 where the pressure
// falls as the volume grows, that is where the fluid is mechanically stable.
double Stiffness(double T, double V) { return Haar_dPdRho(T, V); }

bool SameSign(double a, double b) { return (a > 0.0) == (b > 0.0); }

// Root of fn between a and b, where fa = fn(a) and fb = fn(b) have opposite
// signs (or one is 0): the Illinois form of regula falsi, which keeps the
// root bracketed and ends when the bracket is narrower than `tolerance`
// relative to its ends. False when fn gives no number inside the bracket.
template <class Fn>
bool Bracketed(Fn&& fn, double a, double fa, double b, double fb, double tolerance, double& root,
               int& passes) {
  passes = 0;
  while (passes < MaxBracketPasses) {
    if (fb == 0.0 || fa == 0.0) break;
    if (std::abs(b - a) <= tolerance * std::max(std::abs(a), std::abs(b))) break;
    double c = (a * fb - b * fa) / (fb - fa);
    const double lo = std::min(a, b);
    const double hi = std::max(a, b);
    if (!(c > lo && c < hi)) c = 0.5 * (a + b);
    if (!(c > lo && c < hi)) break;  // no double left between the ends
    ++passes;
    const double fc = fn(c);
    if (std::isnan(fc)) return false;
    if (!SameSign(fc, fb)) {
      a = b;
      fa = fb;
    } else {
      fa = 0.5 * fa;  // the end kept twice running is weighted down
    }
    b = c;
    fb = fc;
  }
  root = (std::abs(fa) < std::abs(fb)) ? a : b;
  return true;
}

// Zero of the stiffness between a (stable) and b (unstable) by bisection.
double StiffnessZero(double T, double a, double b) {
  for (int pass = 0; pass < MaxBisections; ++pass) {
    const double mid = 0.5 * (a + b);
    if (!(mid > std::min(a, b) && mid < std::max(a, b))) break;
    if (Stiffness(T, mid) > 0.0) {
      a = mid;
    } else {
      b = mid;
    }
  }
  return a;
}

// One isotherm below the critical temperature: the liquid spinodal (the
// first volume, rising from compressed liquid, where the pressure stops
// falling) and the vapour spinodal (the first such volume coming down from
// the dilute gas). Between them the isotherm is unstable and, at low
// temperatures, wavy; outside them each pressure has one liquid and one
// vapour root.
struct Isotherm {
  double T = 0.0;
  double liquidSpinodal = 0.0;
  double vapourSpinodal = 0.0;
  double lowestLiquidP = 0.0;   // pressure at the liquid spinodal
  double highestVapourP = 0.0;  // pressure at the vapour spinodal

  bool Find(double temperature) {
    T = temperature;
    double a = MinMolarVol;
    if (!(Stiffness(T, a) > 0.0)) return false;
    bool found = false;
    while (a < LiquidScanEnd) {
      const double b = a * FineScanFactor;
      if (!(Stiffness(T, b) > 0.0)) {
        liquidSpinodal = StiffnessZero(T, a, b);
        found = true;
        break;
      }
      a = b;
    }
    if (!found) return false;  // no unstable stretch: supercritical

    a = GasConstantR * T / DilutePressure;
    if (!(Stiffness(T, a) > 0.0)) return false;
    found = false;
    while (a > liquidSpinodal) {
      const double b = a / (a > CoarseScanAbove ? CoarseScanFactor : FineScanFactor);
      if (!(Stiffness(T, b) > 0.0)) {
        vapourSpinodal = StiffnessZero(T, a, b);
        found = true;
        break;
      }
      a = b;
    }
    if (!found || !(vapourSpinodal > liquidSpinodal)) return false;
    lowestLiquidP = Haar_Pressure(T, liquidSpinodal);
    highestVapourP = Haar_Pressure(T, vapourSpinodal);
    return highestVapourP > 0.0 && highestVapourP > lowestLiquidP;
  }

  // The liquid root at P, for P from the liquid spinodal's pressure up.
  bool Liquid(double P, double& V) const {
    auto fn = [this, P](double v) { return Haar_Pressure(T, v) - P; };
    const double f0 = fn(MinMolarVol);
    const double f1 = fn(liquidSpinodal);
    if (!(f0 >= 0.0 && f1 <= 0.0)) return false;
    int passes = 0;
    return Bracketed(fn, MinMolarVol, f0, liquidSpinodal, f1, RootTolerance, V, passes);
  }

  // The vapour root at P, for P above 0 up to the vapour spinodal's pressure.
  bool Vapour(double P, double& V) const {
    auto fn = [this, P](double v) { return Haar_Pressure(T, v) - P; };
    const double f0 = fn(vapourSpinodal);
    if (!(f0 >= 0.0)) return false;
    double top = std::max(2.0 * vapourSpinodal, 10.0 * GasConstantR * T / P);
    double f1 = fn(top);
    for (int k = 0; k < MaxWidening && !(f1 < 0.0); ++k) {
      top = 2.0 * top;
      f1 = fn(top);
    }
    if (!(f1 < 0.0)) return false;
    int passes = 0;
    return Bracketed(fn, vapourSpinodal, f0, top, f1, RootTolerance, V, passes);
  }

  // Both roots at P and the logarithm of their fugacity ratio, which falls
  // as P rises (its slope is (VL - VV) / RT).
  bool Roots(double P, Coexistence& c, double& lnRatio) const {
    c = Coexistence{};
    c.T = T;
    c.P = P;
    if (!Liquid(P, c.VL) || !Vapour(P, c.VV)) return false;
    c.fL = Haar_Fugacity(T, P, c.VL);
    c.fV = Haar_Fugacity(T, P, c.VV);
    if (!(c.fL > 0.0 && c.fV > 0.0)) return false;
    lnRatio = std::log(c.fL / c.fV);
    return true;
  }

  // The equilibrium pressure: ln(fL / fV) is positive at the liquid
  // spinodal's pressure (or, where that is not above 0, far below the
  // vapour spinodal's) and negative at the vapour spinodal's.
  bool Equilibrium(Coexistence& out, int& passes) const {
    Coexistence c;
    const double lowP =
        lowestLiquidP > 0.0 ? lowestLiquidP : highestVapourP * 1e-6;
    double gLow = 0.0;
    double gHigh = 0.0;
    if (!Roots(lowP, c, gLow) || !Roots(highestVapourP, c, gHigh)) return false;
    if (!(gLow > 0.0 && gHigh < 0.0)) return false;
    auto g = [this](double P) {
      Coexistence at;
      double lnRatio = 0.0;
      if (!Roots(P, at, lnRatio)) return std::nan("");
      RuntimeBackgroundTask();
      return lnRatio;
    };
    double P = 0.0;
    if (!Bracketed(g, lowP, gLow, highestVapourP, gHigh, RootTolerance, P, passes)) return false;
    double lnRatio = 0.0;
    return Roots(P, out, lnRatio);
  }
};

}  // namespace

bool IsCoexistence(const Coexistence& c) {
  const double T = c.T;
  const double P = c.P;
  if (!(T > 0.0 && P > 0.0 && c.VL > 0.0 && c.VV > c.VL)) return false;
  if (!(std::abs(Haar_Pressure(T, c.VL) - P) <= PressureTolerance)) return false;
  if (!(std::abs(Haar_Pressure(T, c.VV) - P) <= PressureTolerance)) return false;
  const double fL = Haar_Fugacity(T, P, c.VL);
  const double fV = Haar_Fugacity(T, P, c.VV);
  if (!(fL > 0.0 && fV > 0.0)) return false;
  if (!(std::abs(fL - fV) <= FugacityTolerance * P)) return false;
  return Stiffness(T, c.VL) > 0.0 && Stiffness(T, c.VV) > 0.0;
}

bool SolveCoexistenceAtTemperature(double T, Coexistence& out, int& iterations) {
  iterations = 0;
  Isotherm iso;
  if (!iso.Find(T)) return false;
  Coexistence c;
  if (!iso.Equilibrium(c, iterations) || !IsCoexistence(c)) return false;
  out = c;
  return true;
}

bool SolveCoexistenceAtPressure(double P, Coexistence& out, int& iterations) {
  iterations = 0;
  if (!(P > 0.0)) return false;
  // h(T) = equilibrium pressure at T minus P rises with T. A temperature
  // with no two-phase region lies above the critical one, so it bounds the
  // bracket from above like a positive h.
  auto h = [P](double T, bool& ok) {
    Isotherm iso;
    Coexistence c;
    int passes = 0;
    ok = iso.Find(T) && iso.Equilibrium(c, passes);
    RuntimeBackgroundTask();
    return ok ? c.P - P : 0.0;
  };

  // Bracket [lo, hi] with h(lo) < 0 and h(hi) > 0 or no two-phase region,
  // widened from the auxiliary curve's saturation temperature.
  double start = SaturationT(P);
  if (!(start >= LowestTemperature && start <= CritTempSat)) start = CritTempSat;
  bool ok = false;
  const double hStart = h(start, ok);
  double lo = 0.0;
  double hLo = 0.0;
  double hi = 0.0;
  double hHi = 0.0;
  bool hiOk = false;
  if (ok && hStart == 0.0) {
    lo = hi = start;
  } else if (ok && hStart < 0.0) {
    lo = start;
    hLo = hStart;
    double step = FirstTemperatureStep;
    for (int k = 0; k < MaxWidening; ++k) {
      const double T = std::min(lo + step, AboveCritical);
      const double value = h(T, ok);
      if (!ok || value >= 0.0) {
        hi = T;
        hHi = value;
        hiOk = ok;
        break;
      }
      if (T == AboveCritical) return false;
      lo = T;
      hLo = value;
      step = 2.0 * step;
    }
    if (hi == 0.0) return false;
  } else {
    hi = start;
    hHi = hStart;
    hiOk = ok;
    double step = FirstTemperatureStep;
    for (int k = 0; k < MaxWidening; ++k) {
      const double T = std::max(hi - step, LowestTemperature);
      const double value = h(T, ok);
      if (ok && value <= 0.0) {
        lo = T;
        hLo = value;
        break;
      }
      if (T == LowestTemperature) return false;
      hi = T;
      hHi = value;
      hiOk = ok;
      step = 2.0 * step;
    }
    if (lo == 0.0) return false;
  }
  ++iterations;

  // Halve the bracket until its upper end has a two-phase region.
  for (int k = 0; k < MaxBisections && lo != hi && !hiOk; ++k) {
    const double mid = 0.5 * (lo + hi);
    if (!(mid > lo && mid < hi)) return false;
    ++iterations;
    const double value = h(mid, ok);
    if (ok && value <= 0.0) {
      lo = mid;
      hLo = value;
    } else {
      hi = mid;
      hHi = value;
      hiOk = ok;
    }
  }
  double T = lo;
  if (lo != hi && hLo != 0.0) {
    if (!hiOk) return false;
    auto hValue = [&h](double t) {
      bool valid = false;
      const double value = h(t, valid);
      return valid ? value : std::nan("");
    };
    int passes = 0;
    if (!Bracketed(hValue, lo, hLo, hi, hHi, TemperatureTolerance, T, passes)) return false;
    iterations += passes;
  }

  // Both roots at the given pressure on the isotherm found.
  Isotherm iso;
  Coexistence c;
  double lnRatio = 0.0;
  if (!iso.Find(T) || !iso.Roots(P, c, lnRatio) || !IsCoexistence(c)) return false;
  out = c;
  return true;
}

void WriteSaturationArrays(const Coexistence& c) {
  MolarVolumes[0] = c.VL;
  Fugacity[0] = c.fL;
  MolarVolumes[1] = c.VV;
  Fugacity[1] = c.fV;
}

namespace {

// The state the latest evaluation of the liquid-minus-vapour function left
// in the saturation arrays, copied at once: a search yields once per pass,
// and another window's evaluation may overwrite the arrays meanwhile.
Coexistence EvaluatedState(double T, double P) {
  Coexistence c;
  c.T = T;
  c.P = P;
  if (T > 0.0 && P > 0.0) {
    c.VL = MolarVolumes[0];
    c.VV = MolarVolumes[1];
    c.fL = Fugacity[0];
    c.fV = Fugacity[1];
  }
  return c;
}

// Runs the saturation search over the pressure (T given) or the temperature
// (P given) from the points X0 and X, keeps its answer when it is an
// equilibrium, and otherwise solves for one directly.
CoexistenceAnswer SearchOrSolve(int nudge, bool givenT, double given, double X0, double X,
                                bool (*direct)(double, Coexistence&, int&)) {
  Coexistence last;
  auto f = [nudge, givenT, given, &last](double x) {
    const double T = givenT ? given : x;
    const double P = givenT ? x : given;
    // The equation yields inside every evaluation; an evaluation in another
    // window meanwhile would overwrite the arrays halfway through this one's
    // writing. So this one runs without yielding (a few milliseconds at
    // most) and its arrays are copied at once; the search yields between
    // its passes.
    const BackgroundTaskHook hook = CurrentBackgroundTask();
    SetBackgroundTask(nullptr);
    const double value = Function_LV(nudge, T, P);
    last = EvaluatedState(T, P);
    SetBackgroundTask(hook);
    return value;
  };
  const SaturationSearch search = DampedSaturationSecant(f, X0, X);
  CoexistenceAnswer answer;
  if (search.success() && IsCoexistence(last)) {
    answer.found = true;
    answer.bySearch = true;
    answer.iterations = search.n;
    answer.state = last;
  } else {
    answer.found = direct(given, answer.state, answer.iterations);
  }
  if (answer.found) WriteSaturationArrays(answer.state);
  return answer;
}

}  // namespace

CoexistenceAnswer CoexistenceAtTemperature(int nudge, double T) {
  const double X0 = SaturationP(T);
  return SearchOrSolve(nudge, true, T, X0, 0.999 * X0, SolveCoexistenceAtTemperature);
}

CoexistenceAnswer CoexistenceAtPressure(int nudge, double P) {
  const double X0 = SaturationT(P);
  // The second point 0.01 K below the first, unless that leaves the curve,
  // where the liquid-minus-vapour function has no start: then above it.
  double X = X0 - 0.01;
  if (X < TriplePointTemp) X = X0 + 0.01;
  return SearchOrSolve(nudge, false, P, X0, X, SolveCoexistenceAtPressure);
}

}  // namespace phase
