// The three parts of the Helmholtz function as evaluated, before the public
// Haar_Base, Haar_Residual and Haar_Ideal replace a result that is not a
// finite number by the failure value. The properties of the library are
// sums of parts formed from these, so that a part that overflows makes the
// whole sum fail instead of dropping out of it as a 0.
//
// Internal to the eos library.
#pragma once

#include "eos/FailureValue.h"
#include "eos/Globals.h"

namespace Globals {

double BasePart(int sel, double T, double V);
double ResidualPart(int sel, double T, double V);
double IdealPart(int sel, double T);

// Whether the molar volume V lies above the covolume of the base part at T,
// that is w = 1 - b(T) rho / 4 > 0. Below it (about 4.2 cm3/mol and less)
// the base part still gives a finite pressure, but no state of water.
bool AboveBaseCovolume(double T, double V);

// Cv and the two pressure derivatives of one part at one state, from one
// evaluation of that part: each the same, bit for bit, as the part gives
// for that selector alone.
struct HeatCapacityTerms {
  double cv = 0.0;      // J/(mol K), Haar_Quantity::Cv
  double dPdRho = 0.0;  // MPa cm3/mol, Haar_Quantity::dPdRho
  double dPdT = 0.0;    // MPa/K, Haar_Quantity::dPdT
};

HeatCapacityTerms BaseHeatCapacityTerms(double T, double V);
HeatCapacityTerms ResidualHeatCapacityTerms(double T, double V);

}  // namespace Globals
