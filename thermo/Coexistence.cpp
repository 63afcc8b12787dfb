// Liquid-vapour equilibrium: the saturation search where it finds the stable
// equilibrium, the direct solve otherwise, and the check every answer passes.
#include "thermo/Coexistence.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "eos/BracketRoot.h"
#include "eos/Globals.h"
#include "eos/HalfSecantSolve.h"
#include "thermo/StateValues.h"

namespace thermo {

namespace {

using namespace Globals;

constexpr double PressureTolerance = 1e-6;   // MPa
constexpr double FugacityTolerance = 1e-10;  // relative to P
constexpr double EquilibriumPressureTolerance = 1e-10;  // relative to P

// The isotherm is scanned for its stable branches in steps of these factors
// in volume: fine where loops of a few tenths of a cm3/mol occur (the
// unstable stretch near the critical point, the second liquid loop), wider
// in the gas. A narrower loop between two scan points shows as a dip (or a
// bump) of the stiffness, which is followed to its extremum.
constexpr double FineScanFactor = 1.002;
constexpr double FineScanBelow = 100.0;     // cm3/mol
constexpr double MiddleScanFactor = 1.01;
constexpr double MiddleScanBelow = 1000.0;  // cm3/mol
constexpr double CoarseScanFactor = 1.05;
// The scan ends where water is an ideal gas at this pressure, well below
// the triple-point pressure.
constexpr double DilutePressure = 1e-4;     // MPa
// Stable branches of one isotherm: two at most temperatures, four near the
// second liquid loop, a few more where the unstable stretch is wavy.
constexpr int MaxBranches = 8;

// Passes of the one-dimensional solves; each ends far sooner, when its
// bracket can shrink no further.
constexpr int MaxBracketPasses = 200;
// Relative widths at which they stop: a few units in the last place for
// volumes and pressures; for the temperature, whose function nests the
// pressure solve and so carries its rounding (up to some 1e-11 MPa, 1e-10 K,
// close to the critical point), more.
constexpr double RootTolerance = 1e-15;
constexpr double TemperatureTolerance = 1e-12;
constexpr int MaxWidening = 60;
constexpr int MaxExtremumPasses = 200;
constexpr int MaxTemperaturePasses = 100;

// The temperature solve: from the lowest temperature the windows compute at
// up to the critical band.
constexpr double LowestTemperature = MinTempKelvin;  // K

// Where the critical point is sought: between the end of the second liquid
// loop and a temperature whose isotherm is stable everywhere, around the
// volume of the last unstable stretch.
constexpr double CriticalSearchLowT = 647.0;   // K
constexpr double CriticalSearchHighT = 647.3;  // K
constexpr double CriticalSearchLowV = 50.0;    // cm3/mol
constexpr double CriticalSearchHighV = 75.0;   // cm3/mol

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


// The boundary between a stable volume and an unstable one, by bisection:
// the last stable volume found.
double StabilityEdge(double T, double stable, double unstable) {
  BracketOptions options;
  options.step = BracketStep::Bisection;
  options.tolerance = 0.0;  // down to neighbouring doubles
  options.maxPasses = MaxBracketPasses;
  const Bracket br = NarrowBracket([T](double V) { return Haar_dPdRho(T, V); },
                                   Bracket{.a = stable, .fa = Haar_dPdRho(T, stable), .b = unstable,
                                           .fb = Haar_dPdRho(T, unstable)},
                                   options);
  return br.fa > 0.0 ? br.a : stable;
}

// Golden-section search for the extremum of fn on [a, b]: its minimum for
// sign +1, its maximum for sign -1. Returns the volume, with fn there in
// `value`.
template <class Fn>
double Extremum(Fn&& fn, double a, double b, double sign, double& value) {
  constexpr double InvPhi = 0.6180339887498949;
  double c = b - InvPhi * (b - a);
  double d = a + InvPhi * (b - a);
  double fc = sign * fn(c);
  double fd = sign * fn(d);
  for (int pass = 0; pass < MaxExtremumPasses && (b - a) > RootTolerance * b; ++pass) {
    if (fc < fd) {
      b = d;
      d = c;
      fd = fc;
      c = b - InvPhi * (b - a);
      fc = sign * fn(c);
    } else {
      a = c;
      c = d;
      fc = fd;
      d = a + InvPhi * (b - a);
      fd = sign * fn(d);
    }
  }
  const double x = fc < fd ? c : d;
  value = sign * std::min(fc, fd);
  return x;
}

// A stretch of the isotherm where the fluid is mechanically stable: from lo
// to hi the pressure falls as the volume grows.
struct Branch {
  double lo = 0.0;
  double hi = 0.0;
};

// The fugacity (MPa) of the root at one pressure on each branch, not a
// number where the branch has none or takes no part.
using BranchFugacities = std::array<double, MaxBranches>;

// One isotherm below the critical temperature, split into its stable
// branches, in order of volume. The first is the compressed liquid, the last
// the vapour. Between them, a branch that lies wholly below the critical
// volume is liquid too (the second liquid loop, 636.98 to 646.697 K). Up to
// about 555 K the unstable stretch is wavy: it rises again to a stable
// stretch across the critical volume with pressures of hundreds of MPa, an
// artefact of the equation deep inside the two-phase region that is no
// phase of water; such a stretch takes no part.
struct Isotherm {
  double T = 0.0;
  double criticalV = 0.0;
  std::array<Branch, MaxBranches> branches{};
  int count = 0;
  // The pressure at each branch's ends, which every root search on the
  // branch starts from (the vapour branch's far end takes no part).
  std::array<double, MaxBranches> loP{};
  std::array<double, MaxBranches> hiP{};

  const Branch& VapourBranch() const { return branches[count - 1]; }
  bool IsLiquid(int i) const { return i + 1 < count && branches[i].hi < criticalV; }

  bool Find(double temperature, double criticalVolume) {
    T = temperature;
    criticalV = criticalVolume;
    count = 0;
    const double end = GasConstantR * T / DilutePressure;
    double v1 = MinMolarVol;
    double s1 = Haar_dPdRho(T, v1);
    if (std::isnan(s1)) return false;
    double v0 = v1;
    double s0 = s1;
    bool stable = s1 > 0.0;
    double start = v1;  // where the current stable branch began
    auto edge = [&](double from, double to) {
      // A change of stability between the stable volume `from` and the
      // unstable `to` (in either order of volume).
      if (stable) {
        if (count == MaxBranches) return false;
        branches[count++] = Branch{start, StabilityEdge(T, from, to)};
      } else {
        start = StabilityEdge(T, from, to);
      }
      stable = !stable;
      return true;
    };
    while (v1 < end) {
      const double factor = v1 < FineScanBelow     ? FineScanFactor
                            : v1 < MiddleScanBelow ? MiddleScanFactor
                                                   : CoarseScanFactor;
      const double v2 = std::min(v1 * factor, end);
      const double s2 = Haar_dPdRho(T, v2);
      if (std::isnan(s2)) return false;
      if ((s2 > 0.0) != stable) {
        if (!(stable ? edge(v1, v2) : edge(v2, v1))) return false;
      } else if (v0 < v1) {
        // A dip towards 0 inside a stable stretch, or a bump inside an
        // unstable one, may hide a narrow loop between v0 and v2.
        const double sign = stable ? 1.0 : -1.0;
        if (sign * s1 < sign * s0 && sign * s1 < sign * s2) {
          double value = 0.0;
          const double vm =
              Extremum([this](double V) { return Haar_dPdRho(T, V); }, v0, v2, sign, value);
          if ((value > 0.0) != stable) {
            if (stable) {
              if (!edge(v0, vm) || !edge(v2, vm)) return false;
            } else {
              if (!edge(vm, v0) || !edge(vm, v2)) return false;
            }
          }
        }
      }
      v0 = v1;
      s0 = s1;
      v1 = v2;
      s1 = s2;
    }
    if (!stable || count == MaxBranches) return false;
    branches[count++] = Branch{start, end};
    if (count < 2) return false;
    for (int i = 0; i < count; ++i) {
      loP[i] = Haar_Pressure(T, branches[i].lo);
      hiP[i] = i + 1 < count ? Haar_Pressure(T, branches[i].hi) : 0.0;
    }
    return true;
  }

  // The root of the isotherm at P on branch b, if the branch reaches P; on
  // the vapour branch the search reaches beyond the scan's end for pressures
  // below its pressure there.
  bool Root(int i, double P, double& V) const {
    const Branch& b = branches[i];
    auto fn = [this, P](double v) { return Haar_Pressure(T, v) - P; };
    const double f0 = loP[i] - P;
    if (!(f0 >= 0.0)) return false;
    // On the vapour branch the root lies near R T / P: the bracket starts
    // a little beyond that rather than at the scan's far end.
    const bool vapour = i + 1 == count;
    double top = vapour ? std::max(2.0 * b.lo, 10.0 * GasConstantR * T / P) : b.hi;
    double f1 = vapour ? fn(top) : hiP[i] - P;
    if (vapour) {
      for (int k = 0; k < MaxWidening && !(f1 <= 0.0); ++k) {
        top = 2.0 * top;
        f1 = fn(top);
      }
    }
    if (!(f1 <= 0.0)) return false;
    BracketOptions options;
    options.tolerance = RootTolerance;
    options.maxPasses = MaxBracketPasses;
    const Bracket br =
        NarrowBracket(fn, Bracket{.a = b.lo, .fa = f0, .b = top, .fb = f1}, options);
    if (br.failed) return false;
    V = br.Closer();
    return true;
  }

  // The stable pair at P: the vapour root and, of the liquid roots, the one
  // of lowest fugacity; `lnRatio` = ln(fV / fL), which rises with P (its
  // slope is (VV - VL) / RT) and is 0 at the equilibrium. Where no liquid
  // branch reaches P, the vapour is the only phase and `lnRatio` is taken
  // far below 0. `roots`, where given, receives the fugacity of each root,
  // for the check at the same pressure.
  bool StablePair(double P, Coexistence& c, double& lnRatio,
                  BranchFugacities* roots = nullptr) const {
    c = Coexistence{};
    c.T = T;
    c.P = P;
    if (roots) roots->fill(std::nan(""));
    if (!Root(count - 1, P, c.VV)) return false;
    c.fV = Haar_Fugacity(T, P, c.VV);
    if (roots) (*roots)[count - 1] = c.fV;
    if (!(c.fV > 0.0)) return false;
    for (int i = 0; i + 1 < count; ++i) {
      double V = 0.0;
      if (!IsLiquid(i) || !Root(i, P, V)) continue;
      const double f = Haar_Fugacity(T, P, V);
      if (roots) (*roots)[i] = f;
      if (f > 0.0 && (c.fL == 0.0 || f < c.fL)) {
        c.VL = V;
        c.fL = f;
      }
    }
    lnRatio = c.fL > 0.0 ? std::log(c.fV / c.fL) : -std::numeric_limits<double>::max();
    return true;
  }

  // Whether the lowest fugacity of the liquid and vapour roots at P is f, to
  // 1e-10 of P; with `known`, the fugacities StablePair found at P.
  bool NoLowerRoot(double P, double f, const BranchFugacities* known = nullptr) const {
    for (int i = 0; i < count; ++i) {
      if (!(IsLiquid(i) || i + 1 == count)) continue;
      double fi = 0.0;
      if (known) {
        fi = (*known)[i];
      } else {
        double V = 0.0;
        if (!Root(i, P, V)) continue;
        fi = Haar_Fugacity(T, P, V);
      }
      if (fi < f - FugacityTolerance * P) return false;
    }
    return true;
  }

  // The equilibrium pressure, between the lowest pressure a liquid branch
  // reaches (where that is not above 0, far below the vapour spinodal's
  // pressure) and the vapour spinodal's pressure.
  // `roots` receives the fugacities of the roots at the answer's pressure.
  bool Equilibrium(Coexistence& out, int& passes, BranchFugacities& roots) const {
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

  // Close to the critical point the isotherm is nearly flat at both roots,
  // so the rounding of the fugacities (some 1e-11 MPa in the pressure)
  // moves the volumes by 1e-5 cm3/mol. The equal-area rule gives the
  // pressure far more closely: the integral of P(V) - P between the two
  // roots, which errors of the roots barely change, vanishes at the
  // equilibrium and falls by VV - VL per MPa. Where it brackets a pressure
  // within 1e-9 of the one found, that pressure and its pair replace it.
  void EqualAreaPolish(Coexistence& out, BranchFugacities& roots) const {
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

  // The stable pairs a bracketed search evaluated, kept so that the pair at
  // the pressure it ends on is not searched for again.
  struct PairsFound {
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
};

// The critical temperature is where the least stiffness of the isotherm
// around the critical volume reaches 0.
double LeastStiffness(double T, double& V) {
  double value = 0.0;
  V = Extremum([T](double v) { return Haar_dPdRho(T, v); }, CriticalSearchLowV, CriticalSearchHighV,
               1.0, value);
  return value;
}

CriticalPoint FindCriticalPoint() {
  CriticalPoint cp;
  double V = 0.0;
  BracketOptions options;
  options.tolerance = RootTolerance;
  options.maxPasses = MaxBracketPasses;
  const double lo = CriticalSearchLowT;
  const double hi = CriticalSearchHighT;
  const Bracket br = NarrowBracket([&V](double T) { return LeastStiffness(T, V); },
                                   Bracket{.a = lo, .fa = LeastStiffness(lo, V), .b = hi,
                                           .fb = LeastStiffness(hi, V)},
                                   options);
  cp.T = br.Closer();
  LeastStiffness(cp.T, V);
  cp.V = V;
  cp.P = Haar_Pressure(cp.T, cp.V);
  cp.bandT = cp.T - CriticalBand;
  Coexistence c;
  int passes = 0;
  BranchFugacities roots{};
  Isotherm iso;
  cp.bandP = (iso.Find(cp.bandT, cp.V) && iso.Equilibrium(c, passes, roots)) ? c.P : cp.P;
  return cp;
}

}  // namespace

const CriticalPoint& EquationCriticalPoint() {
  // Found without letting events run (about a millisecond): a handler run
  // meanwhile would ask for the point while it is still being found.
  static const CriticalPoint point = [] {
    const BackgroundTaskHook hook = CurrentBackgroundTask();
    SetBackgroundTask(nullptr);
    const CriticalPoint found = FindCriticalPoint();
    SetBackgroundTask(hook);
    return found;
  }();
  return point;
}

namespace {

// The isotherm at T, kept from the last time it was found on this thread:
// the check of a search's answer and the direct solve at the same
// temperature, or the temperature solve's last pass and its final pair,
// split the same isotherm. The scan depends on T and the critical volume
// alone, so the kept one is what a new scan would give.
bool FindIsotherm(Isotherm& iso, double T, double criticalV) {
  struct Kept {
    bool valid = false;
    bool found = false;
    Isotherm iso;
  };
  thread_local Kept kept;
  if (!(kept.valid && kept.iso.T == T && kept.iso.criticalV == criticalV)) {
    Kept fresh;
    fresh.found = fresh.iso.Find(T, criticalV);
    fresh.valid = true;
    kept = fresh;
  }
  iso = kept.iso;
  return kept.found;
}

// The check of IsCoexistence, on the isotherm of c.T already found; with
// `roots`, the fugacities of the roots at c.P that the solve found there.
bool Checked(const Isotherm& iso, const Coexistence& c, const BranchFugacities* roots = nullptr) {
  const double T = c.T;
  const double P = c.P;
  if (!(T > 0.0 && P > 0.0 && c.VL > 0.0 && c.VV > c.VL)) return false;
  if (!(std::abs(Haar_Pressure(T, c.VL) - P) <= PressureTolerance)) return false;
  if (!(std::abs(Haar_Pressure(T, c.VV) - P) <= PressureTolerance)) return false;
  const double fL = Haar_Fugacity(T, P, c.VL);
  const double fV = Haar_Fugacity(T, P, c.VV);
  if (!(fL > 0.0 && fV > 0.0)) return false;
  if (!(std::abs(fL - fV) <= FugacityTolerance * P)) return false;
  // Close to the critical point the two fugacities agree closely even off
  // the equilibrium; the pressure shift that would make them equal is the
  // measure there: ln(fV / fL) changes by (VV - VL) / RT per MPa.
  const double shift = GasConstantR * T * std::abs(std::log(fV / fL)) / (c.VV - c.VL);
  if (!(shift <= EquilibriumPressureTolerance * P)) return false;
  if (!(MechanicallyStable(T, c.VL) && MechanicallyStable(T, c.VV))) return false;
  return iso.NoLowerRoot(P, std::min(fL, fV), roots);
}

}  // namespace

bool IsCoexistence(const Coexistence& c) {
  if (!(c.T > 0.0)) return false;
  Isotherm iso;
  return FindIsotherm(iso, c.T, EquationCriticalPoint().V) && Checked(iso, c);
}

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

void WriteSaturationArrays(const Coexistence& c) {
  MolarVolumes[0] = c.VL;
  Fugacity[0] = c.fL;
  MolarVolumes[1] = c.VV;
  Fugacity[1] = c.fV;
}

namespace {

// Each pass of the saturation search halves its step: from the auxiliary
// curve's start it reaches its tolerance within about 35 passes wherever it
// converges at all. One still running after this many passes circles
// around states the liquid-minus-vapour function shifted (near the critical
// point in the liquid mode) and is given up for the direct solve.
constexpr int SearchPassLimit = 60;

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
// (P given) from the points X0 and X, keeps its answer when it is the stable
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
  const SaturationSearch search = DampedSaturationSecant(f, X0, X, SearchPassLimit);
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

}  // namespace thermo
