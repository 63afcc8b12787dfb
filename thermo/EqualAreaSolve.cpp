// The direct solve of the liquid-vapour equilibrium, without the saturation
// search: at a temperature the pressure where the vapour's fugacity meets
// the lowest liquid branch's, polished by the equal-area rule close to the
// critical point; at a pressure the temperature whose equilibrium pressure
// it is. Every answer passes the check of IsCoexistence.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "eos/BracketRoot.h"
#include "eos/Globals.h"
#include "thermo/Coexistence.h"
#include "thermo/internal/IsothermBranches.h"

namespace thermo {

namespace detail {

using namespace Globals;

namespace {

// The equal-area polish of the equilibrium pressure: where the two volumes
// differ by less than this share of the liquid's (above about 646.95 K),
// within this relative reach of the pressure found by the fugacities.
constexpr double EqualAreaWidth = 0.2;
constexpr double EqualAreaReach = 1e-9;
constexpr int GaussPoints = 20;

// Nodes and weights of Gauss-Legendre quadrature on [-1, 1], found once by
// Newton's method on the Legendre polynomial from the Chebyshev guesses.
const std::array<std::pair<double, double>, GaussPoints>& GaussLegendre() {
  static const auto rule = [] {
    std::array<std::pair<double, double>, GaussPoints> out{};
    const double pi = std::acos(-1.0);
    for (int i = 0; i < GaussPoints; ++i) {
      double x = std::cos(pi * (i + 0.75) / (GaussPoints + 0.5));
      double derivative = 1.0;
      for (int pass = 0; pass < 100; ++pass) {
        double p0 = 1.0;
        double p1 = x;
        for (int n = 2; n <= GaussPoints; ++n) {
          const double p2 = ((2.0 * n - 1.0) * x * p1 - (n - 1.0) * p0) / n;
          p0 = p1;
          p1 = p2;
        }
        derivative = GaussPoints * (x * p1 - p0) / (x * x - 1.0);
        const double step = p1 / derivative;
        x -= step;
        if (std::abs(step) < 1e-16) break;
      }
      out[i] = {x, 2.0 / ((1.0 - x * x) * derivative * derivative)};
    }
    return out;
  }();
  return rule;
}

}  // namespace

struct Isotherm::PairsFound {
  struct Entry {
    double P;
    bool ok;
    double lnRatio;
    Coexistence c;
    BranchFugacities roots;
  };
  std::vector<Entry> entries;

  bool Evaluate(const Isotherm& iso, double P, double& lnRatio, Coexistence* c = nullptr) {
    Entry e{P, false, 0.0, {}, {}};
    e.ok = iso.StablePair(P, e.c, e.lnRatio, &e.roots);
    lnRatio = e.lnRatio;
    if (c) *c = e.c;
    entries.push_back(e);
    return e.ok;
  }
  // The pair at P, from the evaluations kept or found anew.
  bool Take(const Isotherm& iso, double P, Coexistence& c, BranchFugacities& roots) const {
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
      if (it->P != P) continue;
      c = it->c;
      roots = it->roots;
      return it->ok;
    }
    double lnRatio = 0.0;
    return iso.StablePair(P, c, lnRatio, &roots);
  }
};

bool Isotherm::Equilibrium(Coexistence& out, int& passes, BranchFugacities& roots) const {
  const double highP = loP[count - 1];
  double lowP = highP;
  for (int i = 0; i + 1 < count; ++i) {
    if (IsLiquid(i)) lowP = std::min(lowP, hiP[i]);
  }
  if (!(lowP > 0.0)) lowP = highP * 1e-6;
  if (!(highP > lowP)) return false;
  PairsFound pairs;
  double hLow = 0.0;
  double hHigh = 0.0;
  if (!pairs.Evaluate(*this, lowP, hLow) || !pairs.Evaluate(*this, highP, hHigh)) return false;
  if (!(hLow < 0.0 && hHigh > 0.0)) return false;
  auto h = [this, &pairs](double P) {
    double lnRatio = 0.0;
    if (!pairs.Evaluate(*this, P, lnRatio)) return std::nan("");
    return lnRatio;
  };
  BracketOptions options;
  options.tolerance = RootTolerance;
  options.maxPasses = MaxBracketPasses;
  options.yield = true;
  const Bracket br =
      NarrowBracket(h, Bracket{.a = lowP, .fa = hLow, .b = highP, .fb = hHigh}, options);
  passes = br.passes;
  if (br.failed) return false;
  if (!pairs.Take(*this, br.Closer(), out, roots) || !(out.fL > 0.0)) return false;
  if (out.VV - out.VL < EqualAreaWidth * out.VL) EqualAreaPolish(out, roots);
  return true;
}

void Isotherm::EqualAreaPolish(Coexistence& out, BranchFugacities& roots) const {
  PairsFound pairs;
  auto area = [this, &pairs](double P) {
    Coexistence c;
    double lnRatio = 0.0;
    if (!pairs.Evaluate(*this, P, lnRatio, &c) || !(c.fL > 0.0)) return std::nan("");
    const double mid = 0.5 * (c.VV + c.VL);
    const double half = 0.5 * (c.VV - c.VL);
    double sum = 0.0;
    for (const auto& [x, w] : GaussLegendre()) sum += w * (Haar_Pressure(T, mid + half * x) - P);
    return sum * half;
  };
  const double lo = out.P * (1.0 - EqualAreaReach);
  const double hi = out.P * (1.0 + EqualAreaReach);
  const double fLo = area(lo);
  const double fHi = area(hi);
  if (!(fLo > 0.0 && fHi < 0.0)) return;
  BracketOptions options;
  options.tolerance = 0.0;  // down to neighbouring doubles
  options.maxPasses = MaxBracketPasses;
  const Bracket br = NarrowBracket(area, Bracket{.a = lo, .fa = fLo, .b = hi, .fb = fHi}, options);
  if (br.failed) return;
  Coexistence polished;
  BranchFugacities polishedRoots{};
  if (pairs.Take(*this, br.Closer(), polished, polishedRoots) && polished.fL > 0.0) {
    out = polished;
    roots = polishedRoots;
  }
}

}  // namespace detail

using namespace Globals;
using namespace detail;

namespace {

// The temperature solve stops at a wider relative width than the pressure
// solve: its function nests the pressure solve and so carries its rounding
// (up to some 1e-11 MPa, 1e-10 K, close to the critical point).
constexpr double TemperatureTolerance = 1e-12;
constexpr int MaxTemperaturePasses = 100;

// The temperature solve: from the lowest temperature the windows compute at
// up to the critical band.
constexpr double LowestTemperature = MinTempKelvin;  // K

}  // namespace

bool SolveCoexistenceAtTemperature(double T, Coexistence& out, int& iterations) {
  iterations = 0;
  if (!(T < EquationCriticalPoint().bandT)) return false;
  Isotherm iso;
  if (!FindIsotherm(iso, T, EquationCriticalPoint().V)) return false;
  Coexistence c;
  BranchFugacities roots{};
  if (!iso.Equilibrium(c, iterations, roots) || !Checked(iso, c, &roots)) return false;
  out = c;
  return true;
}

bool SolveCoexistenceAtPressure(double P, Coexistence& out, int& iterations) {
  iterations = 0;
  const CriticalPoint& cp = EquationCriticalPoint();
  if (!(P > 0.0 && P < cp.bandP)) return false;
  // h(T) = equilibrium pressure at T minus P rises with T; its slope is the
  // Clapeyron slope (SV - SL) / (VV - VL). Newton steps on it are kept inside
  // the bracket [lo, hi], which every evaluation narrows; a step that would
  // leave the bracket, or that does not shrink to half the step before the
  // last, halves the bracket instead (near the second liquid loop's triple
  // point the slope has a kink).
  double lo = LowestTemperature;
  double hi = cp.bandT;
  double T = SaturationT(P);
  if (!(T > lo && T < hi)) T = 0.5 * (lo + hi);
  Isotherm iso;
  Coexistence c;
  double step = hi - lo;
  double stepBefore = step;
  for (int pass = 0; pass < MaxTemperaturePasses; ++pass) {
    ++iterations;
    int passes = 0;
    BranchFugacities roots{};
    if (!FindIsotherm(iso, T, cp.V) || !iso.Equilibrium(c, passes, roots)) return false;
    RuntimeBackgroundTask();
    const double h = c.P - P;
    if (h == 0.0) break;
    (h < 0.0 ? lo : hi) = T;
    const double slope = (Haar_Entropy(T, c.VV) - Haar_Entropy(T, c.VL)) / (c.VV - c.VL);
    const double newton = T - h / slope;
    if (newton > lo && newton < hi && std::abs(newton - T) <= TemperatureTolerance * T) {
      T = newton;
      break;
    }
    stepBefore = step;
    if (newton > lo && newton < hi && std::abs(newton - T) <= 0.5 * std::abs(stepBefore)) {
      step = newton - T;
    } else {
      step = 0.5 * (lo + hi) - T;
    }
    const double next = T + step;
    if (!(next > lo && next < hi) || hi - lo <= TemperatureTolerance * T) break;
    T = next;
  }
  // Both roots at the given pressure on the isotherm found.
  double lnRatio = 0.0;
  BranchFugacities roots{};
  if (!FindIsotherm(iso, T, cp.V) || !iso.StablePair(P, c, lnRatio, &roots) ||
      !Checked(iso, c, &roots))
    return false;
  out = c;
  return true;
}

}  // namespace thermo
