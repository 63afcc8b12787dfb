#include "thermo/StateSearch.h"

#include <cmath>

#include "eos/Globals.h"
#include "thermo/Coexistence.h"
#include "thermo/StateValues.h"

namespace thermo {

namespace {

using namespace Globals;

// The highest temperature at which a failed temperature search still asks
// whether the isochore reaches the pressure: just inside the equation's
// temperature window.
constexpr double kHighestTemperature = 5344.0;  // K
// The Temperatures window's automatic start above the critical pressure.
constexpr double kSupercriticalStartTemperature = 800.0;  // K

// The root V at (T, P), or the root of the phase the equation's own
// equilibrium at T says is stable, searched from that phase's saturated
// volume where V is the other phase. A root already of the stable phase is
// kept as it is.
double StablePhase(double T, double P, double V) {
  if (!(V > 0) || !(T >= TriplePointTemp && T < phase::EquationCriticalPoint().T)) return V;
  phase::Coexistence c;
  int passes = 0;
  if (!phase::SolveCoexistenceAtTemperature(T, c, passes)) return V;
  if (P > c.P && V > c.VL) return Haar_Volume(T, P, c.VL);  // the liquid is stable
  if (P < c.P && V < c.VV) return Haar_Volume(T, P, c.VV);  // the vapour is stable
  return V;
}

// Refusals before any volume search at (T, P).
Reason VolumeRange(double T, double P) {
  if (P > MaxPressure) return Reason::PressureAboveRange;
  if (!Haar_InTemperatureWindow(T)) return Reason::OutsideTemperatureWindow;
  return Reason::None;
}

// A stable root V, or the reason `unstable` where the root is unstable.
Answer StableRoot(double T, double V, Reason unstable) {
  if (!MechanicallyStable(T, V)) return Answer::None(unstable);
  return Answer::Figure(V);
}

// Whether (P, V) lies inside the equation's two-phase region: P below its
// critical pressure and V between the saturated volumes at P.
bool InsideTwoPhaseRegion(double P, double V) {
  phase::Coexistence c;
  int passes = 0;
  if (!phase::SolveCoexistenceAtPressure(P, c, passes)) return false;
  return c.VL < V && V < c.VV;
}

}  // namespace

Reason StateRefusal(double T, double P, double V) {
  if (!(T >= MinTempKelvin)) return Reason::TemperatureBelowRange;
  if (!Haar_InTemperatureWindow(T)) return Reason::OutsideTemperatureWindow;
  if (!(V >= MinMolarVol)) return Reason::VolumeBelowRange;
  if (!(P <= MaxPressure)) return Reason::PressureAboveRange;
  if (!std::isfinite(V)) return Reason::NoValue;
  if (!MechanicallyStable(T, V)) return Reason::TwoPhaseState;
  if (!(P > 0)) return Reason::PressureNotAboveZero;
  return Reason::None;
}

Reason NoValueReason(double T) {
  return Haar_InTemperatureWindow(T) ? Reason::NoValue : Reason::OutsideTemperatureWindow;
}

Answer PressureOfState(double T, double V) {
  if (!(V >= MinMolarVol)) return Answer::None(Reason::VolumeBelowRange);
  if (!(T >= MinTempKelvin)) return Answer::None(Reason::TemperatureBelowRange);
  const double P = Haar_Pressure(T, V);
  if (P == 0) return Answer::None(NoValueReason(T));
  return Answer::Figure(P);
}

Answer StateStepPressure(double T, double V) {
  const Answer P = PressureOfState(T, V);
  if (!P.HasFigure()) return P;
  if (const Reason r = StateRefusal(T, P.value, V); r != Reason::None) return Answer::None(r);
  return P;
}

Answer StateStepVolume(double T, double P) {
  if (const Reason r = VolumeRange(T, P); r != Reason::None) return Answer::None(r);
  const double V = StablePhase(T, P, Haar_Volume(T, P, VolumeSearchStart(T, P)));
  if (V == 0) return Answer::None(Reason::NoRoot);
  const Answer root = StableRoot(T, V, Reason::UnstableState);
  if (!root.HasFigure()) return root;
  // The state found is one the calculators accept, or none.
  if (const Reason r = StateRefusal(T, P, V); r != Reason::None) return Answer::None(r);
  return root;
}

Answer VolumeFromApproach(double T, double P, Approach approach, double manualStart) {
  if (const Reason r = VolumeRange(T, P); r != Reason::None) return Answer::None(r);
  double V = 0;
  switch (approach) {
    case Approach::None:
      return Answer::None(Reason::NoApproachChosen);
    case Approach::Manual:
      V = Haar_Volume(T, P, manualStart);
      break;
    case Approach::Automatic: {
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
      V = StablePhase(T, P, Haar_Volume(T, P, start));
      break;
    }
  }
  if (V == 0) return Answer::None(Reason::NoRootFromApproach);
  return StableRoot(T, V, Reason::UnstableRoot);
}

Answer TemperatureFromApproach(double P, double V, Approach approach, double manualStart) {
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
  const double T = Haar_Temperature(P, V, start);
  if (T == 0) {
    // Inputs no first approach can help: name the range instead.
    if (P > MaxPressure) return Answer::None(Reason::PressureAboveRange);
    if (!(V >= MinMolarVol)) return Answer::None(Reason::VolumeBelowRange);
    if (!(P <= Haar_Pressure(kHighestTemperature, V))) return Answer::None(Reason::NoTemperatureForPressure);
    return Answer::None(Reason::NoRootFromApproach);
  }
  if (MechanicallyStable(T, V)) return Answer::Figure(T);
  // Inside the two-phase region no temperature gives a stable state.
  if (InsideTwoPhaseRegion(P, V)) return Answer::None(Reason::TwoPhaseState);
  return Answer::None(Reason::UnstableRoot);
}

}  // namespace thermo
