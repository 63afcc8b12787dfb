// The homogenization calculation without its window: for a homogenization
// temperature the pressure of the liquid-vapour curve, for a homogenization
// pressure its temperature, with both phases; at the equation's own critical
// point, and so close below it that the two phases cannot be told apart, the
// critical point itself. Also the homogenization temperature of a bulk
// molar volume.
#pragma once

#include <optional>

#include "thermo/Coexistence.h"
#include "thermo/Constants.h"

namespace thermo {

// The homogenization temperatures and pressures that have an answer: the
// liquid-vapour curve from the triple point (273.16 K, 0.000611657 MPa, the
// auxiliary curve's triple-point pressure TriplePointPressure, which the
// equation puts at 273.158 K) up to the equation's critical point
// (EquationCriticalPoint()), as printed (below).
//
// The highest homogenization temperature (K) and pressure (MPa) answered:
// the equation's critical point, and what rounds to it at the eight
// significant digits it is printed with (647.12715 K, 22.054233 MPa), so
// that the point as printed is answered with the point itself.
double HighestHomogenizationTemperature();
double HighestHomogenizationPressure();

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

// The homogenization temperature (K) of the bulk molar volume V (cm3/mol):
// the temperature at which V is a saturated volume of the equation's curve,
// the liquid's below the critical volume and the vapour's above it. Below
// it the sample is liquid and vapour, above it one phase. Where the stable
// liquid jumps between the equation's two liquid branches, the temperature
// of the jump. The answer lies a rounding error below the boundary rather
// than above it, and no higher than the critical band's lower edge, except
// at the critical volume itself, whose answer is the critical temperature.
// Nothing for a volume no saturated volume from the triple point up
// reaches.
std::optional<double> HomogenizationTemperatureOfVolume(double V);

// The liquid's share of the bulk volume V of a sample whose liquid and
// vapour have the molar volumes VL and VV (lever rule). False, and phi
// untouched, when V does not lie between them: the sample is then one phase
// at this temperature.
bool LiquidVolumeFraction(double V, double VL, double VV, double& phi);

}  // namespace thermo
