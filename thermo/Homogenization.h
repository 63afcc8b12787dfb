// The homogenization calculation without its window: for a homogenization
// temperature the pressure of the liquid-vapour curve, for a homogenization
// pressure its temperature, with both phases; at the critical point that the
// window states (647.126 K, 22.055 MPa) an answer without a search.
#pragma once

#include "eos/Globals.h"
#include "thermo/Coexistence.h"

namespace phase {

// The homogenization temperatures and pressures that have an answer: the
// liquid-vapour curve from the triple point (273.16 K, 0.000611657 MPa) to
// the auxiliary curve's critical temperature, 647.096 K, and to 22.054 MPa,
// just below the equation's critical pressure; and the narrow band around
// the critical point, 647.125 to 647.127 K or 22.054 to 22.056 MPa.
inline constexpr double TriplePointPressure = Globals::TriplePointPres;  // MPa
inline constexpr double ShortcutTempLow = 647.125;          // K, exclusive
inline constexpr double ShortcutTempHigh = 647.127;         // K, exclusive
inline constexpr double ShortcutPresLow = 22.054;           // MPa, inclusive
inline constexpr double ShortcutPresHigh = 22.056;          // MPa, exclusive

enum class HomogenizationStatus {
  Solved,
  NoSolution,    // no equilibrium that passes the check
  OutsideCurve,  // the given temperature or pressure has no answer
};

struct Homogenization {
  HomogenizationStatus status = HomogenizationStatus::NoSolution;
  double X = 0.0;      // the answer: pressure (MPa) or temperature (K)
  int iterations = 0;  // passes that gave it; 0 at the critical point
  Coexistence state;   // both phases; at the critical point one phase twice
};

// mode is the liquid-minus-vapour function's nudge: 0 (pressure) for
// homogenization into the liquid, 1 (temperature) into the vapour. On
// success the program-wide saturation arrays hold the two phases.
Homogenization HomogenizeAtTemperature(int mode, double T);
Homogenization HomogenizeAtPressure(int mode, double P);

// The liquid's share of the bulk volume V of a sample whose liquid and
// vapour have the molar volumes VL and VV (lever rule). False, and phi
// untouched, when V does not lie between them: the sample is then one phase
// at this temperature.
bool LiquidVolumeFraction(double V, double VL, double VV, double& phi);

}  // namespace phase
