// Why a calculation gives no figure. Each reason has one message, the text
// a window shows in its warning line beside a red "no result", so that a
// window shows the reason the calculation gives and words it nowhere else.
#pragma once

namespace thermo {

enum class Reason {
  None,                      // a figure
  VolumeBelowRange,          // below 15 cm3/mol
  TemperatureBelowRange,     // below 260 K
  OutsideTemperatureWindow,  // outside the equation's temperature window
  TemperatureAboveRange,     // from 260 K up, above the equation's temperature window
  PressureAboveRange,        // above the equation's extended range, 3000 MPa
  PressureNotAboveZero,      // a state at 0 MPa or under tension
  PressureBelowRange,        // a state below the lowest pressure, 1e-30 MPa
  AboveCaloricRange,         // caloric figures above 3000 K
  TwoPhaseState,             // a state in the two-phase region: unstable or between the spinodals
  UnstableState,             // a search ended on an unstable state
  UnstableRoot,              // ... where another first approach finds a stable one
  NoRoot,                    // the state step's search found no root
  NoRootFromApproach,        // no root from this first approach
  TwoPhaseRoot,              // the root of this first approach is inside the two-phase region
  NoTemperatureForPressure,  // no temperature of the states' range gives P at V
  NoApproachChosen,          // neither first approach chosen
  NoValue,                   // the equation gives no value for the state
};

// The unit of the temperature a window reads or shows.
enum class TemperatureUnit { Kelvin, Celsius };

// The message of a reason; empty for Reason::None. A temperature bound it
// names is in `unit`, the unit of the window's temperature, and is accepted
// as printed: typed back in that unit it lies inside the range it bounds.
const char* ReasonText(Reason reason, TemperatureUnit unit = TemperatureUnit::Kelvin);

// A figure, or none with the reason why.
struct Answer {
  double value = 0.0;
  Reason reason = Reason::None;

  static Answer Figure(double v) { return {v, Reason::None}; }
  static Answer None(Reason why) { return {0.0, why}; }
  bool HasFigure() const { return reason == Reason::None; }
};

}  // namespace thermo
