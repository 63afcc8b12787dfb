#include "thermo/ResponseValues.h"

#include <cmath>

#include "eos/Globals.h"
#include "thermo/StateSearch.h"

namespace thermo {

namespace {

Answer AboveZero(double T, double value) {
  if (std::isfinite(value) && value > 0.0) return Answer::Figure(value);
  return Answer::None(NoValueReason(T));
}

Answer Finite(double T, double value) {
  if (std::isfinite(value)) return Answer::Figure(value);
  return Answer::None(NoValueReason(T));
}

// Why a caloric figure at (T, V) is none before it is computed: above
// 3000 K, or (with `stable`) a state that is not mechanically stable
// (M (dP/drho)_T and Cp above 0); Reason::None where it is computed.
Reason CaloricRefusal(double T, double V, bool stable) {
  if (T > MaxCaloricTemp) return Reason::AboveCaloricRange;
  if (!stable) return Reason::None;
  if (!Globals::Haar_InTemperatureWindow(T)) return Reason::OutsideTemperatureWindow;
  if (!MechanicallyStable(T, V) || !(Globals::Haar_Cp(T, V) > 0.0)) return Reason::UnstableState;
  return Reason::None;
}

}  // namespace

Answer IsochoricHeatCapacity(double T, double V) {
  if (const Reason r = CaloricRefusal(T, V, false); r != Reason::None) return Answer::None(r);
  return AboveZero(T, Globals::Haar_Cv(T, V));
}

Answer IsobaricHeatCapacity(double T, double V) {
  if (const Reason r = CaloricRefusal(T, V, true); r != Reason::None) return Answer::None(r);
  return AboveZero(T, Globals::Haar_Cp(T, V));
}

Answer SpeedOfSound(double T, double V) {
  if (const Reason r = CaloricRefusal(T, V, true); r != Reason::None) return Answer::None(r);
  return AboveZero(T, Globals::Haar_Sound(T, V));
}

// Either sign is a true value here, and 0 on the inversion curve.
Answer JouleThomsonCoefficient(double T, double V) {
  if (const Reason r = CaloricRefusal(T, V, true); r != Reason::None) return Answer::None(r);
  return Finite(T, Globals::Haar_JouleThomson(T, V));
}

Answer Viscosity(double T, double V) { return AboveZero(T, Globals::Haar_Viscosity(T, V)); }

Answer DielectricConstant(double T, double V) {
  const double epsilon = Globals::Haar_Dielectric(T, V);
  if (std::isfinite(epsilon) && epsilon >= 1.0) return Answer::Figure(epsilon);
  return Answer::None(NoValueReason(T));
}

}  // namespace thermo
