#include "thermo/StateSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "eos/BracketRoot.h"
#include "eos/Globals.h"
#include "thermo/Coexistence.h"
#include "thermo/internal/IsochoreScan.h"
#include "thermo/internal/IsothermBranches.h"
#include "thermo/internal/RootPolish.h"
#include "thermo/StateValues.h"

namespace thermo {

namespace {

using namespace Globals;

// The Temperatures window's automatic start above the critical pressure.
constexpr double kSupercriticalStartTemperature = 800.0;  // K
// Molar volumes, cm3/mol, from which the volume search starts: from
// 647.067 K up, and below 273.16 K on the liquid-like side.
constexpr double kSupercriticalStartVolume = 54.136030627024624;
constexpr double kLiquidLikeStartVolume = 18.0;
// Moves the start off the saturated volume, into the phase asked for.
constexpr double kStartOffset = 0.2;

// The two ends of the two-phase stretch of an isotherm below the equation's
// critical temperature. A state of water there lies on the liquid branch,
// from the compressed liquid up to the liquid spinodal (the first volume
// past the saturated liquid where the pressure stops falling), or on the
// vapour branch, from the vapour spinodal (the first such volume below the
// saturated vapour) up. Every volume strictly between the two is inside the
// two-phase region: the unstable stretch, and where the equation's isotherm
// is wavy (up to about 555 K) a stretch across the critical volume whose
// pressure falls again, at hundreds of MPa, and from 636.98 K the second
// liquid loop while the saturated liquid lies on the first. Those are
// artefacts of the equation, no phase of water. The branches are those of
// the isotherm split the equilibrium solve uses; the liquid spinodal ends
// the branch holding the equation's saturated liquid, below the triple
// point (no equilibrium of the liquid) and within the critical band the
// first branch.
struct Spinodals {
  bool found = false;   // false at and above the critical temperature
  double liquid = 0.0;  // cm3/mol
  double vapour = 0.0;  // cm3/mol
};

// What the searches below ask of the isotherm at T: its spinodals, and the
// equation's own equilibrium there, solved from the triple point up to the
// critical temperature (`equilibrium` false elsewhere, or where it is not
// found).
struct IsothermFacts {
  Spinodals s;
  bool equilibrium = false;
  Coexistence c;
};

IsothermFacts FindFacts(double T) {
  IsothermFacts facts;
  if (!(T < EquationCriticalPoint().T)) return facts;
  detail::Isotherm iso;
  if (!detail::FindIsotherm(iso, T, EquationCriticalPoint().V)) return facts;
  int passes = 0;
  facts.equilibrium = T >= TriplePointTemp && SolveCoexistenceAtTemperature(T, facts.c, passes);
  int liquid = 0;
  if (facts.equilibrium) {
    for (int i = 0; i + 1 < iso.count; ++i) {
      if (iso.branches[i].lo <= facts.c.VL && facts.c.VL <= iso.branches[i].hi) liquid = i;
    }
  }
  facts.s.found = true;
  facts.s.liquid = iso.branches[liquid].hi;
  facts.s.vapour = iso.branches[iso.count - 1].lo;
  return facts;
}

// The facts at T, kept per thread for the last temperature asked: the state
// rule runs on every state stored, mostly at one temperature after another,
// and a volume search asks them of one isotherm for each start it tries.
// Returned as a copy: the equilibrium solve lets events run, whose handlers
// may ask at another temperature meanwhile.
IsothermFacts FactsAt(double T) {
  struct Kept {
    bool valid = false;
    double T = 0.0;
    IsothermFacts facts;
  };
  thread_local Kept kept;
  if (!(kept.valid && kept.T == T)) kept = Kept{true, T, FindFacts(T)};
  return kept.facts;
}

// Whether V lies strictly between the spinodals of the isotherm at T.
bool BetweenSpinodals(double T, double V) {
  if (!(T < EquationCriticalPoint().T)) return false;
  const Spinodals s = FactsAt(T).s;
  return s.found && s.liquid < V && V < s.vapour;
}

// The root at P on the vapour branch of the isotherm at T (below the
// critical temperature), bracketed from the vapour spinodal up: found at
// every pressure below the spinodal's, however low. 0 where there is none.
double VapourRoot(double T, double P) {
  if (!(P > 0.0 && T < EquationCriticalPoint().T)) return 0.0;
  detail::Isotherm iso;
  double V = 0.0;
  if (!detail::FindIsotherm(iso, T, EquationCriticalPoint().V) || !iso.Root(iso.count - 1, P, V)) return 0.0;
  return V;
}

// The root V at (T, P), or the root of the phase the equation's own
// equilibrium at T says is stable, searched from that phase's saturated
// volume where V is the other phase (the vapour bracketed along its branch
// where that search fails, as it does far below the saturation pressure).
// Below the triple point the vapour is the stable phase below the
// triple-point pressure (as the search start takes it). A root already of
// the stable phase is kept as it is.
double StablePhase(double T, double P, double V) {
  if (!(V > 0)) return V;
  if (T < TriplePointTemp) {
    if (!(P < TriplePointPres)) return V;
    const Spinodals s = FactsAt(T).s;
    if (!s.found || V >= s.vapour) return V;
    return VapourRoot(T, P);
  }
  if (!(T < EquationCriticalPoint().T)) return V;
  const IsothermFacts facts = FactsAt(T);
  if (!facts.equilibrium) return V;
  const Coexistence& c = facts.c;
  if (P > c.P && V > c.VL) return Haar_Volume(T, P, c.VL);  // the liquid is stable
  if (P < c.P && V < c.VV) {                                // the vapour is stable
    const double vapour = Haar_Volume(T, P, c.VV);
    return vapour > 0 ? vapour : VapourRoot(T, P);
  }
  return V;
}

// The bracketed search along an isotherm starts at this volume: at every
// temperature of the equation's window the pressure there is above 4700
// MPa, so every root up to 3000 MPa lies above it (the compressed liquid's
// below 15 cm3/mol included, which the state rule then refuses by name).
constexpr double kIsothermScanStart = 12.0;  // cm3/mol
// Its steps in volume are those of the isotherm's split (ScanFactor). The
// scan runs into the gas stretch, which at every temperature of the
// equation's window begins below kGasScanVolume, past twice the ideal-gas
// volume, and on while the pressure is still above P (a dense gas beyond
// its ideal volume), but never more than kMaxScanSteps steps, which reach
// beyond 1e90 cm3/mol.
constexpr double kGasScanVolume = 1e6;  // cm3/mol
constexpr int kMaxScanSteps = 6000;

// A root of P on a stretch of the isotherm where the pressure falls as the
// volume grows, and its fugacity.
struct IsothermRoot {
  double V = 0.0;
  double f = 0.0;
};

// The root of P(T, V) = P between a (pressure at or above P) and b (below),
// if the search ends on a mechanically stable volume.
bool NarrowedStableRoot(double T, double P, double a, double b, IsothermRoot& root) {
  auto fn = [T, P](double v) { return Haar_Pressure(T, v) - P; };
  Bracket br{.a = a, .fa = fn(a), .b = b, .fb = fn(b)};
  if (!(br.fa >= 0.0 && br.fb < 0.0)) return false;
  br = NarrowBracket(fn, br, BracketOptions{});
  if (br.failed) return false;
  root.V = br.Closer();
  root.f = Haar_Fugacity(T, P, root.V);
  return MechanicallyStable(T, root.V) && root.f > 0.0;
}

// The bracketed search along the isotherm, for where no start leads the
// volume search to a state of water: the isotherm is scanned from
// kIsothermScanStart up, each crossing of P on a stretch where the pressure
// falls with the volume is narrowed inside its bracket, and of these roots
// the one of the stable phase is kept. From the triple point to the
// critical point that is the phase of the equation's own equilibrium at T
// (the liquid above its pressure, the vapour below; of several liquid roots
// the one of lowest fugacity). Elsewhere below the critical temperature only
// the liquid and the vapour branch carry roots that are water (none between
// the spinodals, see Spinodals): below the triple point the one the state
// step's start takes (the compressed liquid from the triple-point pressure
// up), else the one of lower fugacity. 0 where there is none.
double BracketedStableRoot(double T, double P) {
  if (!(P > 0.0 && P <= MaxPressure)) return 0.0;
  constexpr int kMaxRoots = 16;
  IsothermRoot roots[kMaxRoots];
  int count = 0;
  const double end = std::max(2.0 * GasConstantR * T / P, kGasScanVolume);
  double v1 = kIsothermScanStart;
  double p1 = Haar_Pressure(T, v1);
  bool stable1 = MechanicallyStable(T, v1);
  auto add = [&](double a, double b) {
    if (count < kMaxRoots && NarrowedStableRoot(T, P, a, b, roots[count])) ++count;
  };
  for (int step = 0; step < kMaxScanSteps && (v1 < end || p1 > P); ++step) {
    const double v2 = v1 * detail::ScanFactor(v1);
    const double p2 = Haar_Pressure(T, v2);
    const bool stable2 = MechanicallyStable(T, v2);
    if (stable1 && stable2) {
      if (p1 >= P && p2 < P) add(v1, v2);
    } else if (stable1) {
      add(v1, detail::StabilityEdge(T, v1, v2, detail::RootTolerance));
    } else if (stable2) {
      add(detail::StabilityEdge(T, v2, v1, detail::RootTolerance), v2);
    }
    v1 = v2;
    p1 = p2;
    stable1 = stable2;
  }
  const IsothermFacts facts = FactsAt(T);
  const bool equilibrium = facts.equilibrium;
  const Coexistence& c = facts.c;
  const Spinodals& s = facts.s;
  double V = 0.0;
  double f = std::numeric_limits<double>::infinity();
  auto stablePhase = [&](const IsothermRoot& r) {
    if (equilibrium) return P >= c.P ? r.V <= c.VL : r.V >= c.VV;
    if (!s.found) return true;  // one stable stretch
    const bool liquid = r.V <= s.liquid;
    const bool gas = r.V >= s.vapour;
    if (T < TriplePointTemp) return P >= TriplePointPres ? liquid : gas;
    return liquid || gas;
  };
  for (int i = 0; i < count; ++i) {
    const IsothermRoot& r = roots[i];
    if (stablePhase(r) && r.f < f) {
      V = r.V;
      f = r.f;
    }
  }
  return V;
}

// Whether the root V at T is a state of water: mechanically stable, and not
// between the spinodals.
bool WaterRoot(double T, double V) { return V > 0 && MechanicallyStable(T, V) && !BetweenSpinodals(T, V); }

// The root the volume search finds from `start`, as the stable phase (see
// StablePhase). Where that gives none, or one that is no state of water
// (unstable, or between the spinodals), the search is retried from the
// state step's start, from 15 cm3/mol and from the ideal gas, and then
// bracketed along the isotherm: the answer is none only where the isotherm
// has no stable root at P. Where the first search gives a state of water,
// that root is kept as it is; otherwise the first result stays where
// nothing else is found.
double StableRootFrom(double T, double P, double start) {
  const double first = StablePhase(T, P, Haar_Volume(T, P, start));
  if (WaterRoot(T, first)) return first;
  if (!(P > 0.0 && P <= MaxPressure)) return first;
  for (const double retry : {VolumeSearchStart(T, P), MinMolarVol, GasConstantR * T / P}) {
    if (retry == start) continue;
    const double V = StablePhase(T, P, Haar_Volume(T, P, retry));
    if (WaterRoot(T, V)) return V;
  }
  const double V = BracketedStableRoot(T, P);
  return V > 0 ? V : first;
}

// Whether a pressure above 0 lies below the lowest pressure of a state as
// printed: a state the T,P step finds at 1e-30 MPa gives back, from its
// volume, a pressure a few units in the last place either side of it, which
// still reads 1e-30 in every shown digit. So the floor gives way by half a
// unit in the eighth significant digit, as the printed critical point does.
bool BelowLowestPressure(double P) { return P < MinPressure * (1.0 - 5e-8); }

// Pressures no volume search is run for: above 3000 MPa, below 1e-30 MPa.
Reason PressureRange(double P) {
  if (P > MaxPressure) return Reason::PressureAboveRange;
  if (P > 0 && BelowLowestPressure(P)) return Reason::PressureBelowRange;
  return Reason::None;
}

// The temperatures of the states the calculators accept: from 260 K up to
// the top of the equation's window (whose bottom, about 200.6 K, lies below
// 260 K).
Reason TemperatureRefusal(double T) {
  if (!(T >= MinTempKelvin)) return Reason::TemperatureBelowRange;
  if (!Haar_InTemperatureWindow(T)) return Reason::TemperatureAboveRange;
  return Reason::None;
}

// A state handed on at an edge of the state rule comes back through the
// other state step: the volume refined for the pressure the equation gives
// at 15 cm3/mol may lie a few units in the last place below 15, and the
// pressure at a volume refined for 3000 MPa a few above 3000. A value that
// a state step computes beyond an edge by no more than this share of it,
// far below the shown digits and far above the last bits of a refined root,
// is the edge itself; one further out is refused, one inside kept.
constexpr double kEdgeShare = 1e-9;

double OntoLowerEdge(double x, double edge) {
  return x < edge && x >= edge * (1.0 - kEdgeShare) ? edge : x;
}
double OntoUpperEdge(double x, double edge) {
  return x > edge && x <= edge * (1.0 + kEdgeShare) ? edge : x;
}

// A stable root V, or the reason `unstable` where the root is unstable.
Answer StableRoot(double T, double V, Reason unstable) {
  if (!MechanicallyStable(T, V)) return Answer::None(unstable);
  return Answer::Figure(V);
}

}  // namespace

Reason StateRefusal(double T, double P, double V) {
  if (const Reason r = TemperatureRefusal(T); r != Reason::None) return r;
  if (!(V >= MinMolarVol)) return Reason::VolumeBelowRange;
  if (!(P <= MaxPressure)) return Reason::PressureAboveRange;
  if (!std::isfinite(V)) return Reason::NoValue;
  if (!MechanicallyStable(T, V) || BetweenSpinodals(T, V)) return Reason::TwoPhaseState;
  if (!(P > 0)) return Reason::PressureNotAboveZero;
  if (BelowLowestPressure(P)) return Reason::PressureBelowRange;
  return Reason::None;
}

Reason NoValueReason(double T) {
  return Haar_InTemperatureWindow(T) ? Reason::NoValue : TemperatureRefusal(T);
}

Answer PressureOfState(double T, double V) {
  if (!(V >= MinMolarVol)) return Answer::None(Reason::VolumeBelowRange);
  if (!(T >= MinTempKelvin)) return Answer::None(Reason::TemperatureBelowRange);
  const double P = Haar_Pressure(T, V);
  if (P == 0) return Answer::None(NoValueReason(T));
  return Answer::Figure(P);
}

Answer StateStepPressure(double T, double V) {
  Answer P = PressureOfState(T, V);
  if (!P.HasFigure()) return P;
  P.value = OntoUpperEdge(P.value, MaxPressure);
  if (const Reason r = StateRefusal(T, P.value, V); r != Reason::None) return Answer::None(r);
  return P;
}

double VolumeSearchStart(double T, double P) {
  if (!(T < Globals::CritTempGuess)) return kSupercriticalStartVolume;
  if (T < Globals::TriplePointTemp) {
    // At or above the triple-point pressure a state below 273.16 K is taken
    // for compressed (liquid-like) water, below it for vapour.
    if (P >= Globals::TriplePointPres) return kLiquidLikeStartVolume;
    return Globals::GasConstantR * T / P;  // J/mol over MPa is cm3/mol
  }
  const double ps = Globals::SaturationP(T);
  const double vl = Globals::SaturationV(Globals::SaturationPhase::Liquid, T);
  const double vv = Globals::SaturationV(Globals::SaturationPhase::Vapour, T);
  return ps < P ? vl - kStartOffset : vv + kStartOffset;
}

Answer StateStepVolume(double T, double P) {
  // The state's own temperature range, narrower than the window the Molar
  // Volume window searches in.
  if (const Reason r = PressureRange(P); r != Reason::None) return Answer::None(r);
  if (const Reason r = TemperatureRefusal(T); r != Reason::None) return Answer::None(r);
  const double V =
      OntoLowerEdge(detail::PolishedVolume(T, P, StableRootFrom(T, P, VolumeSearchStart(T, P))), MinMolarVol);
  if (V == 0) return Answer::None(Reason::NoRoot);
  const Answer root = StableRoot(T, V, Reason::UnstableState);
  if (!root.HasFigure()) return root;
  // The state found is one the calculators accept, or none.
  if (const Reason r = StateRefusal(T, P, V); r != Reason::None) return Answer::None(r);
  return root;
}

Answer VolumeFromApproach(double T, double P, Approach approach, double manualStart) {
  // Refusals before any volume search: the whole window of the equation.
  if (const Reason r = PressureRange(P); r != Reason::None) return Answer::None(r);
  if (!Haar_InTemperatureWindow(T)) return Answer::None(Reason::OutsideTemperatureWindow);
  double V = 0;
  switch (approach) {
    case Approach::None:
      return Answer::None(Reason::NoApproachChosen);
    case Approach::Manual:
      V = Haar_Volume(T, P, manualStart);
      break;
    case Approach::Automatic: {
      // Not VolumeSearchStart: the Molar Volume window's automatic approach
      // is a first approach of its own (1 cm3/mol off the saturated volume
      // up to 647.073 K, the ideal gas above), where the calculators' state
      // step starts 0.2 cm3/mol off it up to 647.067 K and from a fixed
      // volume above. A search's answer is the root its start leads to, so
      // each window keeps its own start and its answers stay as they were.
      double start = 0;
      if (T > CritTempHaar) {
        start = GasConstantR * T / P;
      } else if (T < TriplePointTemp) {
        start = VolumeSearchStart(T, P);
      } else {
        const double Psat = SaturationP(T);
        const double VL = SaturationV(SaturationPhase::Liquid, T);
        const double VV = SaturationV(SaturationPhase::Vapour, T);
        start = Psat < P ? VL - 1 : VV + 1;
      }
      V = StableRootFrom(T, P, start);
      break;
    }
  }
  if (V == 0) return Answer::None(Reason::NoRootFromApproach);
  // As in the state step, a root a hair below 15 cm3/mol is 15: the window
  // then hands on the state that the calculators' step gives back.
  const Answer root =
      StableRoot(T, OntoLowerEdge(detail::PolishedVolume(T, P, V), MinMolarVol), Reason::UnstableRoot);
  // A start inside the two-phase region can lead to a stable root on the
  // stretch between the spinodals, where the pressure falls again at
  // hundreds of MPa: a root of the equation, but no volume of water.
  // Where the automatic approach gives a volume, that root is the manual
  // start's own: the message says to change the first approach.
  if (root.HasFigure() && BetweenSpinodals(T, root.value)) {
    const bool another =
        approach == Approach::Manual && VolumeFromApproach(T, P, Approach::Automatic, 0).HasFigure();
    return Answer::None(another ? Reason::TwoPhaseRoot : Reason::TwoPhaseState);
  }
  return root;
}

Answer TemperatureFromApproach(double P, double V, Approach approach, double manualStart) {
  // Inputs no temperature makes a state of: the bounds of every state.
  if (!(V >= MinMolarVol)) return Answer::None(Reason::VolumeBelowRange);
  if (const Reason r = PressureRange(P); r != Reason::None) return Answer::None(r);
  double start = 0;
  switch (approach) {
    case Approach::None:
      return Answer::None(Reason::NoApproachChosen);
    case Approach::Manual:
      start = manualStart;
      break;
    case Approach::Automatic:
      if (P > CritPresSat) {
        start = kSupercriticalStartTemperature;
      } else {
        const double Ts = SaturationT(P);
        start = Ts;
        const double VV = SaturationV(SaturationPhase::Vapour, Ts);
        const double VL = SaturationV(SaturationPhase::Liquid, Ts);
        if (V < VL) start = Ts - 1;
        if (VV < V) start = Ts + 1;
      }
      break;
  }
  // The root the search reaches from its start, refined on its stable
  // stretch, where it is an answer: the answer as it is. The search stops at
  // a looser match, and where the root lies above the top of the window it
  // stops at the top, which gives P back no closer.
  const double T = Haar_Temperature(P, V, start);
  const double root = T > 0 ? detail::PolishedTemperature(P, V, T) : 0.0;
  if (T > 0 && detail::IsAnswer(P, V, root)) return Answer::Figure(root);
  // Else the answer of the isochore nearest the start, wherever the search
  // went. Where there is none, no first approach gives one, and the reason
  // is what the equation's roots are.
  detail::IsochoreRoots found = detail::ScanIsochore(P, V, start);
  if (found.answer) return Answer::Figure(*found.answer);
  if (T > 0) found.Refuse(P, V, root, start);
  return Answer::None(found.Why());
}

std::optional<double> ZeroFunction(double T, double V, double P) {
  const double p = Haar_Pressure(T, V);
  // 0 is the equation's failure value, not a pressure.
  if (p == 0) return std::nullopt;
  return p - P;
}

}  // namespace thermo
