#include "thermo/EnergyScales.h"

#include "eos/Globals.h"

#include <cmath>

namespace thermo {

std::optional<Figures> Evaluate(const EnergyScale& f, double T, double V) {
  const double X = f.F(T, V);
  // 0 is the equation's failure value (a figure of exactly 0 on the
  // equation's own scale, which no real state hits, would be taken for one).
  if (X == 0.0 || !std::isfinite(X)) return std::nullopt;
  const double zero = f.TriplePointZero - T * f.ZeroEntropy;
  return Figures{X - zero, X - f.RefStateOffset};
}

}  // namespace thermo
