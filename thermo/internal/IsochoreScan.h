// Internal to the state searches (StateSearch.cpp); not part of the
// calculation layer's interface. The Temperatures window answers the root
// its search reaches from the first approach where that is a state of
// water; else it scans the whole isochore for the temperatures at which the
// equation gives the asked pressure, and answers the accepted one nearest
// the start, or says why there is none.
//
// One rule makes a temperature an answer: it lies from 260 K to the top of
// the equation's window, the state rule accepts the state, and the equation
// gives P back there to 1e-9 of P (to its own rounding, where that is
// coarser: see GivesPressureBackToRounding). So the ends of that range, and
// the temperature where the isochore turns (the pressure's minimum in the
// temperature of a dense liquid, where every temperature of a narrow band
// gives P back and the pressure's rounding may leave no change of sign), are
// answers wherever the equation gives P back there, and a figure that gives
// P back only to the looser match of the equation's own search is none.
#pragma once

#include "thermo/Reason.h"

namespace thermo::detail {

// What the scan of an isochore finds of the temperatures at which the
// equation gives P at V.
struct IsochoreRoots {
  double accepted = 0.0;          // the answer nearest the start; 0: none
  Reason inRange = Reason::None;  // why the root from 260 K up nearest the start is refused
  double inRangeT = 0.0;
  bool belowRange = false;        // a root below 260 K

  // Sorts one root T into the findings: an answer (see above), refused from
  // 260 K up (inside the two-phase region), or below 260 K. An accepted
  // state where the equation does not give P back is no root and is left
  // out. Whether T was taken as an answer.
  bool Judge(double P, double V, double T, double start);
};

// Every temperature of the equation's window at which it gives P at V,
// judged by the rule above; the answer is the accepted one nearest `start`.
IsochoreRoots ScanIsochore(double P, double V, double start);

}  // namespace thermo::detail
