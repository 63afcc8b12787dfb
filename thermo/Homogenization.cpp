// The homogenization calculation: the checked liquid-vapour equilibrium, or
// at the equation's critical point one molar volume for both phases.
#include "thermo/Homogenization.h"

#include <cmath>

#include "eos/BracketRoot.h"
#include "eos/Globals.h"

namespace thermo {

namespace {

using namespace Globals;

// The homogenization temperature of a volume: first a bracket widened from
// the auxiliary curve's answer in steps doubling from this one, then its
// root to about the rounding of the equilibrium volumes.
constexpr double FirstBracketStep = 0.01;  // K
constexpr int MaxWidening = 20;  // 0.01 K * 2^20 spans the whole curve
constexpr double ThTolerance = 1e-10;      // relative, 0.06 µK at 647 K
constexpr int MaxThPasses = 100;

// Within the critical band the two phases are one fluid: the critical
// point's temperature, pressure and molar volume stand for both.
Homogenization AtCriticalPoint() {
  const CriticalPoint& cp = EquationCriticalPoint();
  const double f = Haar_Fugacity(cp.T, cp.P, cp.V);
  Homogenization out;
  out.status = HomogenizationStatus::Solved;
  out.state = Coexistence{cp.T, cp.P, cp.V, cp.V, f, f};
  WriteSaturationArrays(out.state);
  return out;
}

Homogenization FromAnswer(const CoexistenceAnswer& answer, double X) {
  Homogenization out;
  if (!answer.found) return out;
  out.status = HomogenizationStatus::Solved;
  out.X = X;
  out.iterations = answer.iterations;
  out.state = answer.state;
  return out;
}

Homogenization Outside() {
  Homogenization out;
  out.status = HomogenizationStatus::OutsideCurve;
  return out;
}

// Half a unit in the eighth significant digit of x (x > 0).
double PrintedRounding(double x) { return 0.5 * std::pow(10.0, std::floor(std::log10(x)) - 7.0); }

}  // namespace

double HighestHomogenizationTemperature() {
  const CriticalPoint& cp = EquationCriticalPoint();
  return cp.T + PrintedRounding(cp.T);
}

double HighestHomogenizationPressure() {
  const CriticalPoint& cp = EquationCriticalPoint();
  return cp.P + PrintedRounding(cp.P);
}

Homogenization HomogenizeAtTemperature(int mode, double T) {
  const CriticalPoint& cp = EquationCriticalPoint();
  if (!(T >= TriplePointTemp - TripleTolerance && T <= HighestHomogenizationTemperature()))
    return Outside();
  if (T >= cp.bandT) {
    Homogenization out = AtCriticalPoint();
    out.X = cp.P;
    return out;
  }
  const CoexistenceAnswer answer = CoexistenceAtTemperature(mode, T);
  return FromAnswer(answer, answer.state.P);
}

Homogenization HomogenizeAtPressure(int mode, double P) {
  const CriticalPoint& cp = EquationCriticalPoint();
  if (!(P >= TriplePointPressure && P <= HighestHomogenizationPressure())) return Outside();
  if (P >= cp.bandP) {
    Homogenization out = AtCriticalPoint();
    out.X = cp.T;
    return out;
  }
  const CoexistenceAnswer answer = CoexistenceAtPressure(mode, P);
  return FromAnswer(answer, answer.state.T);
}

std::optional<double> HomogenizationTemperatureOfVolume(double V) {
  const CriticalPoint& cp = EquationCriticalPoint();
  if (!(V > 0.0) || !std::isfinite(V)) return std::nullopt;
  if (V == cp.V) return cp.T;
  const bool liquid = V < cp.V;
  // g(T) < 0 where V lies strictly between the two saturated volumes (two
  // phases), >= 0 where it does not; it rises with T. In the critical band
  // both volumes are the critical one.
  auto g = [&cp, V, liquid](double T) {
    double VL = cp.V;
    double VV = cp.V;
    if (T < cp.bandT) {
      Coexistence c;
      int passes = 0;
      if (!SolveCoexistenceAtTemperature(T, c, passes)) return std::nan("");
      VL = c.VL;
      VV = c.VV;
    }
    return liquid ? VL - V : V - VV;
  };
  const double lowest = TriplePointTemp;
  const double highest = cp.bandT;

  // A bracket around the auxiliary curve's answer, widened until it holds
  // the boundary. At the curve's ends: a volume still two phases at the
  // highest temperature has that as its answer, one not two phases at the
  // lowest has none.
  double start = SaturationTV(V);
  if (!(start > lowest && start < highest)) start = 0.5 * (lowest + highest);
  const double gStart = g(start);
  if (std::isnan(gStart)) return std::nullopt;
  const bool upward = gStart < 0.0;
  double lo = start;
  double gLo = gStart;
  double hi = start;
  double gHi = gStart;
  double step = FirstBracketStep;
  for (int k = 0; k < MaxWidening && !(gLo < 0.0 && gHi >= 0.0); ++k) {
    if (upward) {
      lo = hi;
      gLo = gHi;
      hi = std::fmin(hi + step, highest);
      gHi = g(hi);
      if (hi == highest && gHi < 0.0) return highest;
    } else {
      hi = lo;
      gHi = gLo;
      lo = std::fmax(lo - step, lowest);
      gLo = g(lo);
      if (lo == lowest && !(gLo < 0.0)) return std::nullopt;
    }
    if (std::isnan(gLo) || std::isnan(gHi)) return std::nullopt;
    step = 2.0 * step;
  }
  if (!(gLo < 0.0 && gHi >= 0.0)) return std::nullopt;
  if (gHi == 0.0) return hi;
  // Where the stable liquid jumps between the two liquid branches (646.687
  // K) the liquid volume, and with it g, jumps across 0: there the secant
  // stalls and halving reaches the tolerance in far fewer passes.
  BracketOptions options;
  options.step = BracketStep::IllinoisThenBisection;
  options.tolerance = ThTolerance;
  options.maxPasses = MaxThPasses;
  options.yield = true;
  const Bracket br = NarrowBracket(g, Bracket{.a = lo, .fa = gLo, .b = hi, .fb = gHi}, options);
  if (br.failed) return std::nullopt;
  // The end on the two-phase side.
  if (br.zeroHit) return br.b;
  return br.fa < 0.0 ? br.a : br.b;
}

bool LiquidVolumeFraction(double V, double VL, double VV, double& phi) {
  if (!(VL < VV && V >= VL && V <= VV)) return false;
  const double share = (VL * (V - VV)) / (V * (VL - VV));
  // Rounding may carry a share at either end a hair outside [0, 1].
  phi = std::fmin(1.0, std::fmax(0.0, share));
  return true;
}

}  // namespace thermo
