// The saturation guide the calculator windows show beside a typed
// temperature or pressure: where the equation's own liquid-vapour curve
// stands there, with the saturated volumes that bound the one-phase states.
#pragma once

namespace thermo {

enum class GuideRegion {
  None,              // no temperature or pressure above 0
  BelowTriplePoint,  // below 273.16 K or 0.000611657 MPa: no saturated fluid
  TwoPhases,         // liquid and vapour with the volumes VL < VV
  CriticalPoint,     // where homogenization gives the critical point: one fluid, VL = VV
  Supercritical,     // above the critical point
  NoAnswer,          // the equilibrium was not found: no volumes to show
};

struct SaturationGuide {
  GuideRegion region = GuideRegion::None;
  double VL = 0.0;  // cm3/mol
  double VV = 0.0;  // cm3/mol
};

// The guide at temperature T (K) and at pressure P (MPa): the checked
// liquid-vapour equilibrium of the equation from the triple point up to the
// critical band; within the band up to the critical point as it is printed,
// the critical point's one fluid, as the homogenization calculation gives
// it. The equilibrium is solved while events run: a caller whose entry
// changed meanwhile drops the answer.
SaturationGuide SaturationGuideAtTemperature(double T);
SaturationGuide SaturationGuideAtPressure(double P);

// The critical temperature (K) and pressure (MPa) the guides name: the
// equation's own.
double GuideCriticalTemperature();
double GuideCriticalPressure();

}  // namespace thermo
