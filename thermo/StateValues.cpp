#include "thermo/StateValues.h"

#include "eos/Globals.h"

namespace thermo {

namespace {

// Molar volumes, cm3/mol, from which the volume search starts: above
// 647.067 K, and below 273.16 K on the liquid-like side.
constexpr double kSupercriticalStartVolume = 54.136030627024624;
constexpr double kLiquidLikeStartVolume = 18.0;
// Moves the start off the saturated volume, into the phase asked for.
constexpr double kStartOffset = 0.2;

}  // namespace

bool MechanicallyStable(double T, double V) { return Globals::Haar_dPdRho(T, V) > 0.0; }

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

}  // namespace thermo
