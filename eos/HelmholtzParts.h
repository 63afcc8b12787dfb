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
//
// With them, the two derivatives less the ideal gas's share (RT and R/V, held
// by the base part alone), divided by rho and rho^2 (rho in g/cm3). In the
// dilute gas that share is nearly all of each derivative; formed without it,
// these keep their digits down to any density and stay finite as rho goes to
// 0, where they tend to 2 R T B / M and R (B + T dB/dT) / M^2, with B the
// second virial coefficient in cm3/mol.
struct HeatCapacityTerms {
  double cv = 0.0;               // J/(mol K), Haar_Quantity::Cv
  double dPdRho = 0.0;           // MPa cm3/mol, Haar_Quantity::dPdRho
  double dPdT = 0.0;             // MPa/K, Haar_Quantity::dPdT
  double dPdRhoDeparture = 0.0;  // (M dP/drho - RT) / rho, MPa cm6/(g mol)
  double dPdTDeparture = 0.0;    // (dP/dT - rho R / M) / rho^2, MPa cm6/(g2 K)
};

HeatCapacityTerms BaseHeatCapacityTerms(double T, double V);
HeatCapacityTerms ResidualHeatCapacityTerms(double T, double V);

}  // namespace Globals
