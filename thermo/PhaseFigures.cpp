#include "thermo/PhaseFigures.h"

#include <cmath>

#include "eos/Globals.h"
#include "thermo/StateSearch.h"

namespace thermo {

Answer Fugacity(double T, double P, double V) {
  const double f = Globals::Haar_Fugacity(T, P, V);
  if (!(f > 0) || !std::isfinite(f)) return Answer::None(NoValueReason(T));
  return Answer::Figure(f);
}

double SurfaceTension(double T) { return Globals::Haar_SurfaceTension(T); }

}  // namespace thermo
