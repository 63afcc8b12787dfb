// The zero function of the liquid-vapour equilibrium: the fugacity of the
// liquid-like molar-volume root minus that of the vapour-like root at a
// temperature and pressure. It is 0 on the saturation curve of the equation
// of state.
#include <limits>

#include "eos/Globals.h"
#include "eos/HalfSecantSolve.h"

namespace Globals {

namespace {

// Each retry shifts the pressure (MPa) or the temperature (K) by this much.
constexpr double NudgeStep = 0.0001;

// Pressure evaluations that the retries of one evaluation may spend, both
// phases together. Near the critical point a state a little off the curve
// needs some hundreds of cheap retries (each search converges in about 100
// passes); far from the curve each retry can run a full 500-pass search
// without end in sight. A retry starts only while a full search still fits,
// so one evaluation costs at most this plus its two first searches: a few
// milliseconds.
constexpr int RetryEvaluationBudget = 15000;
constexpr int FullSearchEvaluations = 2 + SecantPassLimit;  // 502

// Result of an evaluation that found no root on the required side: not a
// number, so a secant search on this function never converges on it.
constexpr double FailedEvaluation = std::numeric_limits<double>::quiet_NaN();

// The molar-volume search of Haar_Volume, counting the pressure evaluations
// it spends.
double CountedVolume(double T, double P, double Vstart, int& evaluations) {
  SecantTrace trace;
  const double V = VolumeSearch(T, P, Vstart, &trace);
  evaluations += trace.passes + 2;
  return V;
}

// Whether the shifted pressure or temperature is still inside the range of
// the saturation curve.
bool ShiftOnCurve(int nudge, double T, double P) {
  if (nudge == NudgeVariable::Pressure) return P > 0.0 && P <= CritPresSat;
  if (nudge == NudgeVariable::Temperature) return T >= TriplePointTemp && T <= CritTempSat;
  return true;
}

}  // namespace

double Function_LV(int nudge, double T, double P) {
  double fL = 0.0;
  double fV = 0.0;
  if (!(T > 0.0 && P > 0.0)) return fL - fV;
  int retryEvaluations = 0;

  // Shifts the state one NudgeStep at a time, towards the liquid (higher
  // pressure or lower temperature) for `towards` +1 and towards the vapour
  // for -1, and searches again from `start` while the root found lies on the
  // wrong side. False when the retry budget or the curve runs out first.
  //
  // With the pressure shifted the temperature stays, so every retry of a
  // phase searches the same isotherm from the same start: the equation's
  // pressures at the start and 0.1 cm3/mol above it are computed once. A
  // point a retry converges on that lies on the wrong side is wrong whether
  // the root check keeps it or gives 0, so it is not checked: the retries go
  // on from it, or the evaluation fails.
  auto retryShifted = [&](double& volume, double start, double towards, auto wrongSide) {
    double workT = T;
    double workP = P;
    const bool oneIsotherm = nudge == NudgeVariable::Pressure;
    double pAtStart = 0.0;
    double pAtNext = 0.0;
    if (oneIsotherm && wrongSide(volume)) {
      pAtStart = Haar_Pressure(T, start);
      pAtNext = Haar_Pressure(T, start + 0.1);
    }
    while (wrongSide(volume)) {
      if (retryEvaluations + FullSearchEvaluations > RetryEvaluationBudget) return false;
      if (nudge == NudgeVariable::Pressure) workP = workP + towards * NudgeStep;
      if (nudge == NudgeVariable::Temperature) workT = workT - towards * NudgeStep;
      if (!ShiftOnCurve(nudge, workT, workP)) return false;
      if (oneIsotherm) {
        SecantTrace trace;
        const double V = VolumeSearchFromKnownStart(T, workP, start, pAtStart, pAtNext, &trace);
        retryEvaluations += trace.passes + 2;
        const bool wrongEitherWay = V != 0.0 && wrongSide(V) && wrongSide(0.0);
        volume = wrongEitherWay ? V : CheckedVolume(T, workP, V);
      } else {
        volume = CountedVolume(workT, workP, start, retryEvaluations);
      }
      RuntimeBackgroundTask();
    }
    return true;
  };

  // Liquid-like root, below the dividing molar volume. A root on the vapour
  // side means the liquid branch does not reach P at T: shift towards the
  // liquid and search again. A search that fails (0) from a start on the
  // curve is shifted and retried the same way. If no liquid root is found,
  // the liquid fugacity left (the pressure itself) is no fugacity of water
  // and the evaluation has failed: taken as a residual, P - fV would vanish
  // wherever the vapour's fugacity coefficient is 1, far off the curve. Off
  // the curve's temperatures the start is -1 cm3/mol, from which the search
  // cannot succeed: no retry.
  const double startL = SaturationV(SaturationPhase::Liquid, T) - 1.0;
  double volL = Haar_Volume(T, P, startL);
  bool failed = !retryShifted(volL, startL, 1.0, [startL](double V) {
    return !(V < CritMolarVol) || (V == 0.0 && startL > 0.0);
  });
  if (!(volL > 0.0)) failed = true;

  // Vapour-like root, above the dividing molar volume; a failed search (0)
  // counts as a root on the liquid side and is retried.
  const double startV = SaturationV(SaturationPhase::Vapour, T) + 1.0;
  double volV = Haar_Volume(T, P, startV);
  if (!failed && !retryShifted(volV, startV, -1.0, [](double V) { return !(V > CritMolarVol); }))
    failed = true;

  // Both fugacities at the given T and P, with the roots found (at the
  // shifted state where a retry found them).
  MolarVolumes[0] = volL;
  fL = Haar_Fugacity(T, P, volL);
  Fugacity[0] = fL;
  MolarVolumes[1] = volV;
  fV = Haar_Fugacity(T, P, volV);
  Fugacity[1] = fV;

  if (failed) return FailedEvaluation;
  return fL - fV;
}

}  // namespace Globals
