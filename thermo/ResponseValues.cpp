#include "thermo/ResponseValues.h"

#include <cmath>

#include "eos/Globals.h"

namespace thermo {

namespace {

std::optional<double> AboveZero(double value) {
  if (std::isfinite(value) && value > 0.0) return value;
  return std::nullopt;
}

std::optional<double> Finite(double value) {
  if (std::isfinite(value)) return value;
  return std::nullopt;
}

// Mechanically stable: M (dP/drho)_T above 0 and Cp above 0.
bool MechanicallyStable(double T, double V) {
  if (!(Globals::Haar_dPdRho(T, V) > 0.0)) return false;
  return Globals::Haar_Cp(T, V) > 0.0;
}

}  // namespace

std::optional<double> IsochoricHeatCapacity(double T, double V) {
  return AboveZero(Globals::Haar_Cv(T, V));
}

std::optional<double> IsobaricHeatCapacity(double T, double V) {
  if (!MechanicallyStable(T, V)) return std::nullopt;
  return AboveZero(Globals::Haar_Cp(T, V));
}

std::optional<double> SpeedOfSound(double T, double V) {
  if (!MechanicallyStable(T, V)) return std::nullopt;
  return AboveZero(Globals::Haar_Sound(T, V));
}

// Either sign is a true value here, and 0 on the inversion curve.
std::optional<double> JouleThomsonCoefficient(double T, double V) {
  if (!MechanicallyStable(T, V)) return std::nullopt;
  return Finite(Globals::Haar_JouleThomson(T, V));
}

std::optional<double> Viscosity(double T, double V) { return AboveZero(Globals::Haar_Viscosity(T, V)); }

std::optional<double> DielectricConstant(double T, double V) {
  const double epsilon = Globals::Haar_Dielectric(T, V);
  if (std::isfinite(epsilon) && epsilon >= 1.0) return epsilon;
  return std::nullopt;
}

}  // namespace thermo
