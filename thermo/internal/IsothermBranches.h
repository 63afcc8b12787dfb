// Internal to the liquid-vapour equilibrium (IsothermBranches.cpp,
// CriticalPoint.cpp, EqualAreaSolve.cpp, Coexistence.cpp) and to the state
// rule's spinodals, vapour roots and bracketed root scan (StateSearch.cpp);
// not part of the calculation layer's interface, which is Coexistence.h,
// and found only on the calculation layer's own include path. An isotherm
// of the equation split into its stable branches, the stable pair of roots
// at a pressure on it, and the check every equilibrium passes.
#pragma once

#include <algorithm>
#include <array>

#include "thermo/CoexistenceState.h"

namespace thermo::detail {

// Passes of the one-dimensional solves; each ends far sooner, when its
// bracket can shrink no further.
inline constexpr int MaxBracketPasses = 200;
// The relative width at which they stop: a few units in the last place for
// volumes and pressures.
inline constexpr double RootTolerance = 1e-15;
inline constexpr int MaxExtremumPasses = 200;
// Fugacities of two roots at P agree to this share of P.
inline constexpr double FugacityTolerance = 1e-10;  // relative to P

// A scan along an isotherm steps from the volume v to v times this factor:
// fine where loops of a few tenths of a cm3/mol occur (the unstable stretch
// near the critical point, the second liquid loop), wider in the gas.
inline double ScanFactor(double v) {
  constexpr double FineScanFactor = 1.002;
  constexpr double FineScanBelow = 100.0;  // cm3/mol
  constexpr double MiddleScanFactor = 1.01;
  constexpr double MiddleScanBelow = 1000.0;  // cm3/mol
  constexpr double CoarseScanFactor = 1.05;
  return v < FineScanBelow ? FineScanFactor : v < MiddleScanBelow ? MiddleScanFactor : CoarseScanFactor;
}

// The boundary between the stable volume `stable` and the unstable
// `unstable` of the isotherm at T (in either order), by bisection on the
// stiffness down to `tolerance` relative (0: to neighbouring doubles): the
// last stable volume found.
double StabilityEdge(double T, double stable, double unstable, double tolerance);

// Stable branches of one isotherm: two at most temperatures, four near the
// second liquid loop, a few more where the unstable stretch is wavy.
inline constexpr int MaxBranches = 8;

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

  bool IsLiquid(int i) const { return i + 1 < count && branches[i].hi < criticalV; }

  // Splits the isotherm at `temperature` into its stable branches; false
  // where the equation gives no stiffness along it or it has no two.
  bool Find(double temperature, double criticalVolume);

  // The root of the isotherm at P on branch i, if the branch reaches P; on
  // the vapour branch the search reaches beyond the scan's end for pressures
  // below its pressure there.
  bool Root(int i, double P, double& V) const;

  // The stable pair at P: the vapour root and, of the liquid roots, the one
  // of lowest fugacity; `lnRatio` = ln(fV / fL), which rises with P (its
  // slope is (VV - VL) / RT) and is 0 at the equilibrium. Where no liquid
  // branch reaches P, the vapour is the only phase and `lnRatio` is taken
  // far below 0. `roots`, where given, receives the fugacity of each root,
  // for the check at the same pressure.
  bool StablePair(double P, Coexistence& c, double& lnRatio,
                  BranchFugacities* roots = nullptr) const;

  // Whether the lowest fugacity of the liquid and vapour roots at P is f, to
  // 1e-10 of P; with `known`, the fugacities StablePair found at P.
  bool NoLowerRoot(double P, double f, const BranchFugacities* known = nullptr) const;

  // The equilibrium pressure, between the lowest pressure a liquid branch
  // reaches (where that is not above 0, far below the vapour spinodal's
  // pressure) and the vapour spinodal's pressure.
  // `roots` receives the fugacities of the roots at the answer's pressure.
  bool Equilibrium(Coexistence& out, int& passes, BranchFugacities& roots) const;

  // Close to the critical point the isotherm is nearly flat at both roots,
  // so the rounding of the fugacities (some 1e-11 MPa in the pressure)
  // moves the volumes by 1e-5 cm3/mol. The equal-area rule gives the
  // pressure far more closely: the integral of P(V) - P between the two
  // roots, which errors of the roots barely change, vanishes at the
  // equilibrium and falls by VV - VL per MPa. Where it brackets a pressure
  // within 1e-9 of the one found, that pressure and its pair replace it.
  void EqualAreaPolish(Coexistence& out, BranchFugacities& roots) const;

  // The stable pairs a bracketed search evaluated, kept so that the pair at
  // the pressure it ends on is not searched for again.
  struct PairsFound;
};

// The isotherm at T, kept from the last time it was found on this thread:
// the check of a search's answer and the direct solve at the same
// temperature, or the temperature solve's last pass and its final pair,
// split the same isotherm. The scan depends on T and the critical volume
// alone, so the kept one is what a new scan would give.
bool FindIsotherm(Isotherm& iso, double T, double criticalV);

// The check of IsCoexistence, on the isotherm of c.T already found; with
// `roots`, the fugacities of the roots at c.P that the solve found there.
bool Checked(const Isotherm& iso, const Coexistence& c, const BranchFugacities* roots = nullptr);

}  // namespace thermo::detail
