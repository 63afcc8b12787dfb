// Mass density of a molar volume, as the state windows show it: in kg/m3
// (18015.28 / V) or g/cm3 (18.01528 / V). There is none (0) unless V is
// above 0, and none where V is so small that the quotient overflows: a
// typed 1e-310 cm3/mol has no density to show.
#pragma once

#include <cmath>

#include "eos/Globals.h"

namespace state_windows {

inline double Density(double factor, double V) {
  if (!(V > 0)) return 0.0;
  const double rho = factor / V;
  return std::isfinite(rho) ? rho : 0.0;
}

// kg/m3 from cm3/mol: 1000 times the molar mass over the molar volume.
inline double DensityKgM3(double V) { return Density(1000.0 * Globals::MolarMassH2O, V); }
// g/cm3 from cm3/mol.
inline double DensityGcm3(double V) { return Density(Globals::MolarMassH2O, V); }

}  // namespace state_windows
