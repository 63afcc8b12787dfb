#include "thermo/StatePoint.h"

#include <cmath>

#include "eos/Globals.h"
#include "thermo/StateSearch.h"

namespace thermo {

namespace {

bool Known(double x) { return std::isfinite(x) && x > 0; }

double KnownOrZero(double x) { return Known(x) ? x : 0.0; }

}  // namespace

bool State::Complete() const { return Known(T) && Known(P) && Known(V); }

void StatePoint::Set(double T, double P, double V, Computed computed) {
  // The test of the state evaluates the equation, whose loops let events
  // run. It runs with the background step paused, so that a window that
  // checked its inputs just before storing writes its answer with no
  // handler (an entry typed) run in between.
  const Globals::BackgroundTaskPause pause;
  State s{KnownOrZero(T), KnownOrZero(P), KnownOrZero(V)};
  if (s.Complete() && StateRefusal(s.T, s.P, s.V) != Reason::None) {
    switch (computed) {
      case Computed::None: s = {}; break;
      case Computed::T: s.T = 0.0; break;
      case Computed::P: s.P = 0.0; break;
      case Computed::V: s.V = 0.0; break;
    }
  }
  state_ = s;
}

}  // namespace thermo
