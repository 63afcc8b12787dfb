#include "thermo/EnergyScales.h"

#include "eos/Globals.h"
#include "thermo/StateSearch.h"

#include <cmath>

namespace thermo {

Figures Evaluate(const EnergyScale& f, double T, double V) {
  if (T > MaxCaloricTemp) return {.reason = Reason::AboveCaloricRange};
  const double X = f.F(T, V);
  // 0 is the equation's failure value (a figure of exactly 0 on the
  // equation's own scale, which no real state hits, would be taken for one).
  if (X == 0.0 || !std::isfinite(X)) return {.reason = NoValueReason(T)};
  const double zero = f.TriplePointZero - T * f.ZeroEntropy;
  return {.triplePoint = X - zero, .refState = X - f.RefStateOffset};
}

}  // namespace thermo
