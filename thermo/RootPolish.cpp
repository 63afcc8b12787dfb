#include "thermo/internal/RootPolish.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "eos/BracketRoot.h"
#include "eos/Globals.h"
#include "thermo/StateValues.h"

namespace thermo::detail {

namespace {

using namespace Globals;

// The first step away from the root found is a quarter longer than the
// Newton step to the root, so that it lands just beyond it, but no longer
// than this share of the root: beside a spinodal, where the slope vanishes
// and the Newton step is far too long, a long first step could leap over
// the unstable stretch onto another branch and its root.
constexpr double kNewtonOvershoot = 1.25;
constexpr double kFirstStepShare = 1e-7;
// The step doubles until the bracket holds the root, up to this share of
// the root: where the isotherm is flattest, at the critical point, the
// pressure moves with the cube of the volume, and a root that matches the
// pressure to 1e-6 may lie a hundredth of the volume from the exact one.
constexpr double kMaxReachShare = 5e-2;
// The narrowing ends when no double lies between the ends of the bracket,
// some 60 halvings from the widest one.
constexpr int kMaxPasses = 200;
// The pressure of a liquid at a few kPa is the small difference of terms of
// hundreds of MPa, so its rounding scatters it by some 1e-6 of P from one
// double to the next, over thousands of doubles around the root. Where the
// root narrowed to gives P back less closely than PressureBackShare of it, the
// doubles on either side of it are tried, up to kMaxNeighbours each way,
// and the one whose pressure lies nearest P is taken.
constexpr int kMaxNeighbours = 8192;
// The doubles on either side of a root whose pressures show how far the
// rounding scatters the pressure there (see GivesPressureBackToRounding).
constexpr int kRoundingNeighbours = 4;

// Takes y for `best` where its residual lies nearer 0 than `bestResidual`
// and it is stable.
template <class Residual, class Stable>
void KeepIfNearer(Residual& residual, Stable& stable, double y, double& best, double& bestResidual) {
  const double fy = std::abs(residual(y));
  if (fy < bestResidual && stable(y)) {
    best = y;
    bestResidual = fy;
  }
}

// The root of `residual` (the equation's pressure less P, not a number
// where the equation gives none) nearest the stable x0 on the stretch around
// it where `stable` holds and the residual is monotonic, to the last bits;
// `slope` is the residual's derivative at x0. The bracket widens from x0
// towards the root while the residual keeps its sign and comes nearer 0;
// any other turn (an unstable point, a residual growing again, no number)
// means the root is not on this stretch close by, and x0 stays as it is.
template <class Residual, class Stable>
double Narrowed(Residual& residual, Stable& stable, double x0, double slope) {
  const double f0 = residual(x0);
  if (!std::isfinite(f0) || f0 == 0.0 || !std::isfinite(slope) || slope == 0.0) return x0;
  const double direction = (f0 > 0.0) == (slope > 0.0) ? -1.0 : 1.0;
  const double least = 4.0 * std::numeric_limits<double>::epsilon() * x0;
  double step = std::clamp(kNewtonOvershoot * std::abs(f0 / slope), least, kFirstStepShare * x0);

  Bracket br{.a = x0, .fa = f0};
  bool bracketed = false;
  for (; step <= kMaxReachShare * x0; step *= 2.0) {
    const double x = x0 + direction * step;
    if (!(x > 0.0) || !stable(x)) return x0;
    const double fx = residual(x);
    if (!std::isfinite(fx)) return x0;
    if (fx == 0.0) return x;
    if ((fx > 0.0) != (f0 > 0.0)) {
      br.b = x;
      br.fb = fx;
      bracketed = true;
      break;
    }
    if (std::abs(fx) > std::abs(br.fa)) return x0;
    br.a = x;
    br.fa = fx;
  }
  if (!bracketed) return x0;

  BracketOptions options;
  options.step = BracketStep::IllinoisThenBisection;
  options.tolerance = 0.0;
  options.maxPasses = kMaxPasses;
  br = NarrowBracket(residual, br, options);
  if (br.failed) return x0;
  // Of the two ends, the one whose pressure lies nearer P; the Illinois
  // steps weigh the kept end's value down, so both are evaluated afresh.
  double best = x0;
  double bestResidual = std::abs(f0);
  for (const double x : {br.a, br.b}) KeepIfNearer(residual, stable, x, best, bestResidual);
  return best;
}

// Of x and the doubles on either side of it (kMaxNeighbours each way), the
// first found whose residual is within `close` of 0, else the one of least
// residual; only a stable one replaces x.
template <class Residual, class Stable>
double NearestNeighbour(Residual& residual, Stable& stable, double x, double close) {
  double best = x;
  double bestResidual = std::abs(residual(x));
  if (!std::isfinite(bestResidual)) return x;
  double below = x;
  double above = x;
  for (int k = 0; k < kMaxNeighbours && !(bestResidual <= close); ++k) {
    below = std::nextafter(below, 0.0);
    above = std::nextafter(above, std::numeric_limits<double>::infinity());
    for (const double y : {below, above}) KeepIfNearer(residual, stable, y, best, bestResidual);
  }
  return best;
}

// The root of `residual` (the equation's pressure less P, not a number
// where the equation gives none) nearest x0 on the stretch around it where
// `stable` holds and the residual is monotonic; `slope` is the residual's
// derivative at x0, `close` a residual that gives P back closely enough.
template <class Residual, class Stable>
double Polished(Residual&& residual, Stable&& stable, double x0, double slope, double close) {
  if (!(x0 > 0.0) || !std::isfinite(x0) || !stable(x0)) return x0;
  const double x = Narrowed(residual, stable, x0, slope);
  return NearestNeighbour(residual, stable, x, close);
}

// The equation's pressure less P, not a number where it gives no pressure
// (its failure value 0).
double Residual(double T, double V, double P) {
  const double p = Haar_Pressure(T, V);
  return p == 0.0 ? std::numeric_limits<double>::quiet_NaN() : p - P;
}

}  // namespace

double PolishedVolume(double T, double P, double V) {
  if (!(V > 0.0)) return V;
  // dP/dV = -M (dP/drho)_T / V^2.
  const double slope = -Haar_dPdRho(T, V) / (V * V);
  return Polished([T, P](double v) { return Residual(T, v, P); },
                  [T](double v) { return MechanicallyStable(T, v); }, V, slope, PressureBackShare * std::abs(P));
}

double PolishedTemperature(double P, double V, double T) {
  if (!(T > 0.0)) return T;
  return Polished([P, V](double t) { return Residual(t, V, P); },
                  [V](double t) { return MechanicallyStable(t, V); }, T, Haar_dPdT(T, V),
                  PressureBackShare * std::abs(P));
}

bool GivesPressureBackToRounding(double P, double V, double T) {
  const double residual = Residual(T, V, P);
  if (GivesPressureBack(P, residual)) return true;
  double below = T;
  double above = T;
  double scatter = 0.0;
  for (int k = 0; k < kRoundingNeighbours; ++k) {
    below = std::nextafter(below, 0.0);
    above = std::nextafter(above, std::numeric_limits<double>::infinity());
    // A residual that is not a number (beyond the equation's window) adds
    // nothing: std::max keeps the scatter so far.
    for (const double y : {below, above}) scatter = std::max(scatter, std::abs(Residual(y, V, P) - residual));
  }
  return std::abs(residual) <= PressureBackShare * std::abs(P) + scatter;
}

}  // namespace thermo::detail
