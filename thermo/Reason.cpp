#include "thermo/Reason.h"

namespace thermo {

namespace {

// The text of a message for the unit: a bound in ˚C is the kelvin figure
// less 273.15, to the hundredth, so both name the same temperature.
const char* InUnit(TemperatureUnit unit, const char* kelvin, const char* celsius) {
  return unit == TemperatureUnit::Celsius ? celsius : kelvin;
}

}  // namespace

const char* ReasonText(Reason reason, TemperatureUnit unit) {
  switch (reason) {
    case Reason::None:
      return "";
    case Reason::VolumeBelowRange:
      return "no result: molar volume below 15 cm3/mol";
    case Reason::TemperatureBelowRange:
      return InUnit(unit, "no result: temperature below 260 K", "no result: temperature below -13.15 ˚C");
    case Reason::OutsideTemperatureWindow:
      return InUnit(unit, "no result: temperature outside the equation's range, 200.6 - 5344.8 K",
                    "no result: temperature outside the equation's range, -72.55 - 5071.65 ˚C");
    case Reason::TemperatureAboveRange:
      return InUnit(unit, "no result: temperature above the equation's range, 5344.8 K",
                    "no result: temperature above the equation's range, 5071.65 ˚C");
    case Reason::PressureAboveRange:
      return "no result: pressure above the equation's range, 3000 MPa";
    case Reason::PressureNotAboveZero:
      return "no result: pressure not above 0 MPa";
    case Reason::PressureBelowRange:
      return "no result: pressure below 1e-30 MPa";
    case Reason::AboveCaloricRange:
      return InUnit(unit, "no result: caloric figures only up to 3000 K",
                    "no result: caloric figures only up to 2726.85 ˚C");
    case Reason::TwoPhaseState:
      return "no result: unstable state inside the two-phase region";
    case Reason::UnstableState:
      return "no result: unstable state (pressure rises with volume)";
    case Reason::UnstableRoot:
      return "no result: unstable root (pressure rises with volume). Change first approach";
    case Reason::NoRoot:
      return "no result: the search finds no molar volume here";
    case Reason::NoRootFromApproach:
      return "no root from this first approach: Change first approach";
    case Reason::TwoPhaseRoot:
      return "no result: the root of this first approach is no state of water. Change first approach";
    case Reason::NoTemperatureForPressure:
      return InUnit(unit, "no result: no temperature within 260 - 5344.8 K gives this pressure at this volume",
                    "no result: no temperature within -13.15 - 5071.65 ˚C gives this pressure at this volume");
    case Reason::NoApproachChosen:
      return "warning: choose a first approach";
    case Reason::NoValue:
      return "no result: the equation gives no value here";
  }
  return "";
}

}  // namespace thermo
