#include "thermo/EnergyScales.h"

#include "eos/Globals.h"
#include "thermo/StateSearch.h"

#include <cmath>

namespace thermo {

// The five scales of the header, each on the equation's function.
constexpr EnergyScale InternalEnergyScale{Globals::Haar_Energy, TriplePointEnergy, 0.0, 251730.1034};
constexpr EnergyScale EnthalpyScale{Globals::Haar_Enthalpy, -35988.5747981403, 0.0, 251731.9103};
constexpr EnergyScale EntropyScale{Globals::Haar_Entropy, TriplePointEntropy, 0.0, 0.0};
constexpr EnergyScale HelmholtzScale{Globals::Haar_Helmholtz, TriplePointEnergy, TriplePointEntropy,
                                     FreeEnergyRefStateOffset};
constexpr EnergyScale GibbsScale{Globals::Haar_Gibbs, TriplePointEnergy, TriplePointEntropy,
                                 FreeEnergyRefStateOffset};

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
