// Values the state windows derive from the equation for display: the mass
// density of a molar volume and mechanical stability.
#pragma once

#include <cmath>

#include "thermo/Constants.h"

namespace thermo {

// Mass density in kg/m3 (18015.28 / V) or g/cm3 (18.01528 / V). There is
// none (0) unless V is above 0, and none where V is so small that the
// quotient overflows: a typed 1e-310 cm3/mol has no density to show.
inline double Density(double factor, double V) {
  if (!(V > 0)) return 0.0;
  const double rho = factor / V;
  return std::isfinite(rho) ? rho : 0.0;
}

// kg/m3 from cm3/mol: 1000 times the molar mass over the molar volume.
inline double DensityKgM3(double V) { return Density(1000.0 * MolarMass, V); }
// g/cm3 from cm3/mol.
inline double DensityGcm3(double V) { return Density(MolarMass, V); }

// A state of water is mechanically stable: its pressure falls as its
// volume grows, M (dP/drho)_T > 0.
bool MechanicallyStable(double T, double V);

}  // namespace thermo
