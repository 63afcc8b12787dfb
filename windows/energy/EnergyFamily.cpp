#include "windows/energy/EnergyFamily.h"

#include "eos/Globals.h"

#include <cmath>

namespace energy_windows {

std::optional<Figures> Evaluate(const EnergyFunction& f, double T, double V) {
  const double X = f.F(T, V);
  // 0 is the equation's failure value (a figure of exactly 0 on the
  // equation's own scale, which no real state hits, would be taken for one).
  if (X == 0.0 || !std::isfinite(X)) return std::nullopt;
  const double zero = f.TriplePointZero - T * f.ZeroEntropy;
  return Figures{X - zero, X - f.RefStateOffset};
}

Shown Converted(const Shown& shown, bool toPerMass) {
  const double v = ui::Val(shown.result);
  if (v == 0.0) return {};
  const double v1 = ui::Val(shown.result1);
  const double M = Globals::MolarMassH2O;
  if (toPerMass) return {ui::Str(v / M), ui::Str(v1 / M)};
  return {ui::Str(v * M), ui::Str(v1 * M)};
}

}  // namespace energy_windows
