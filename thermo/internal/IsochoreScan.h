// Internal to the state searches (StateSearch.cpp); not part of the
// calculation layer's interface. The Temperatures window answers the root
// its search reaches from the first approach where that is an answer; else
// it scans the whole isochore for the temperatures at which the equation
// gives the asked pressure, and answers the one nearest the start, or says
// why there is none.
#pragma once

#include <optional>

#include "thermo/Reason.h"

namespace thermo::detail {

// The one test of an answer of the Temperatures window, which every gate of
// its search and of the isochore scan asks: T lies from 260 K to the top of
// the equation's window, the state rule (StateRefusal) accepts the state,
// and the equation gives P back at (T, V) to 1e-9 of P beyond its own
// rounding at T (GivesPressureBackToRounding). So the ends of that range,
// and the temperatures where a dense isochore turns (its pressure minimum,
// where every temperature of a narrow band gives P back and the rounding may
// leave no change of sign), are answers wherever the equation gives P back
// there, and a figure that gives P back only to the looser match of the
// equation's own search is none.
bool IsAnswer(double P, double V, double T);

// What the search and the scan of an isochore find of the temperatures at
// which the equation gives P at V.
struct IsochoreRoots {
  std::optional<double> answer;  // the answer nearest the start
  Reason refusal = Reason::None;  // why the refused root from 260 K up nearest the start is none
  double refusedT = 0.0;          // that root
  bool belowRange = false;        // a root below 260 K
  bool aboveTop = false;          // the pressure at the top still nears P: a root above it

  // Keeps T where it is an answer (IsAnswer) nearer the start than the
  // answer so far. Whether T is an answer.
  bool Take(double P, double V, double T, double start);
  // Notes a root T that is no answer: refused from 260 K up (inside the
  // two-phase region, say), kept for its reason where it lies nearer the
  // start than the one so far; below 260 K, noted.
  void Refuse(double P, double V, double T, double start);
  // The reason no temperature is an answer: the nearest refused root's from
  // 260 K up; else "below 260 K" where the isochore's roots lie only below
  // it; else (none at all, or one above the top as well) that no
  // temperature of the range gives P at V.
  Reason Why() const;
};

// Every temperature of the equation's window at which it gives P at V,
// taken or refused as above; the answer is the one nearest `start`.
IsochoreRoots ScanIsochore(double P, double V, double start);

}  // namespace thermo::detail
