// The figures the phase-equilibrium windows show beside a state or an
// equilibrium: the fugacity of a state and the surface tension of the
// saturated liquid.
#pragma once

#include "thermo/Reason.h"

namespace thermo {

// The fugacity (MPa) at T (K), P (MPa) and V (cm3/mol); none, with the
// reason, where the equation gives none above 0 or none that is finite (its
// exponent out of range).
Answer Fugacity(double T, double P, double V);

// The surface tension (N/m) of the saturated liquid against its vapour at
// T (K); 0 where the formulation has no interface, at and above its
// critical temperature of 647.15 K (and for a T not above 0).
double SurfaceTension(double T);

}  // namespace thermo
