#include "thermo/StatePoint.h"

#include <cmath>

namespace thermo {

namespace {

bool Known(double x) { return std::isfinite(x) && x > 0; }

double KnownOrZero(double x) { return Known(x) ? x : 0.0; }

}  // namespace

bool State::Complete() const { return Known(T) && Known(P) && Known(V); }

void StatePoint::Set(double T, double P, double V) {
  state_ = {KnownOrZero(T), KnownOrZero(P), KnownOrZero(V)};
}

}  // namespace thermo
