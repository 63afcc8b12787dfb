// The isotherm's stable branches: the scan of its stiffness for the
// stretches where the pressure falls with the volume, the roots at a
// pressure on each, and the isotherm kept from its last scan.
#include "thermo/internal/IsothermBranches.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "eos/BracketRoot.h"
#include "eos/Globals.h"

namespace thermo::detail {

using namespace Globals;

namespace {

// The scan ends where water is an ideal gas at this pressure, well below
// the triple-point pressure.
constexpr double DilutePressure = 1e-4;     // MPa
// Doublings of the vapour root's bracket beyond its first top.
constexpr int MaxWidening = 60;

}  // namespace

double StabilityEdge(double T, double stable, double unstable, double tolerance) {
  BracketOptions options;
  options.step = BracketStep::Bisection;
  options.tolerance = tolerance;
  options.maxPasses = MaxBracketPasses;
  const Bracket br = NarrowBracket([T](double V) { return Haar_dPdRho(T, V); },
                                   Bracket{.a = stable, .fa = Haar_dPdRho(T, stable), .b = unstable,
                                           .fb = Haar_dPdRho(T, unstable)},
                                   options);
  return br.fa > 0.0 ? br.a : stable;
}

bool Isotherm::Find(double temperature, double criticalVolume) {
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
      branches[count++] = Branch{start, StabilityEdge(T, from, to, 0.0)};
    } else {
      start = StabilityEdge(T, from, to, 0.0);
    }
    stable = !stable;
    return true;
  };
  while (v1 < end) {
    const double v2 = std::min(v1 * ScanFactor(v1), end);
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

bool Isotherm::Root(int i, double P, double& V) const {
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

bool Isotherm::StablePair(double P, Coexistence& c, double& lnRatio,
                          BranchFugacities* roots) const {
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

bool Isotherm::NoLowerRoot(double P, double f, const BranchFugacities* known) const {
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

}  // namespace thermo::detail
