#include "thermo/Reason.h"

namespace thermo {

const char* ReasonText(Reason reason) {
  switch (reason) {
    case Reason::None:
      return "";
    case Reason::VolumeBelowRange:
      return "no result: molar volume below 15 cm3/mol";
    case Reason::TemperatureBelowRange:
      return "no result: temperature below 260 K";
    case Reason::OutsideTemperatureWindow:
      return "no result: temperature outside the equation's range, 200.6 - 5344.8 K";
    case Reason::PressureAboveRange:
      return "no result: pressure above the equation's range, 3000 MPa";
    case Reason::PressureNotAboveZero:
      return "no result: pressure not above 0 MPa";
    case Reason::PressureBelowRange:
      return "no result: pressure below 1e-30 MPa";
    case Reason::AboveCaloricRange:
      return "no result: caloric figures only up to 3000 K";
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
    case Reason::NoTemperatureForPressure:
      return "no result: no temperature within 200.6 - 5344.8 K gives this pressure at this volume";
    case Reason::NoApproachChosen:
      return "warning: choose a first approach";
    case Reason::NoValue:
      return "no result: the equation gives no value here";
  }
  return "";
}

}  // namespace thermo
