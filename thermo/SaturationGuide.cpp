#include "thermo/SaturationGuide.h"

#include "eos/Globals.h"
#include "thermo/Coexistence.h"
#include "thermo/Homogenization.h"

namespace thermo {

namespace {

SaturationGuide Region(GuideRegion region) { return SaturationGuide{.region = region}; }

SaturationGuide AtCriticalPoint() {
  const CriticalPoint& cp = EquationCriticalPoint();
  return SaturationGuide{.region = GuideRegion::CriticalPoint, .VL = cp.V, .VV = cp.V};
}

SaturationGuide FromSolve(bool solved, const Coexistence& c) {
  if (!solved) return Region(GuideRegion::NoAnswer);
  return SaturationGuide{.region = GuideRegion::TwoPhases, .VL = c.VL, .VV = c.VV};
}

}  // namespace

SaturationGuide SaturationGuideAtTemperature(double T) {
  if (!(T > 0.0)) return Region(GuideRegion::None);
  if (T < Globals::TriplePointTemp - Globals::TripleTolerance) return Region(GuideRegion::BelowTriplePoint);
  if (T > HighestHomogenizationTemperature()) return Region(GuideRegion::Supercritical);
  if (T >= EquationCriticalPoint().bandT) return AtCriticalPoint();
  Coexistence c;
  int passes = 0;
  const bool solved = SolveCoexistenceAtTemperature(T, c, passes);
  return FromSolve(solved, c);
}

SaturationGuide SaturationGuideAtPressure(double P) {
  if (!(P > 0.0)) return Region(GuideRegion::None);
  if (P < TriplePointPressure) return Region(GuideRegion::BelowTriplePoint);
  if (P > HighestHomogenizationPressure()) return Region(GuideRegion::Supercritical);
  if (P >= EquationCriticalPoint().bandP) return AtCriticalPoint();
  Coexistence c;
  int passes = 0;
  const bool solved = SolveCoexistenceAtPressure(P, c, passes);
  return FromSolve(solved, c);
}

double GuideCriticalTemperature() { return EquationCriticalPoint().T; }
double GuideCriticalPressure() { return EquationCriticalPoint().P; }

}  // namespace thermo
