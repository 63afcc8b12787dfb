// Liquid-vapour equilibrium of the equation of state: the liquid and the
// vapour root at one temperature and pressure with equal fugacities, such
// that no other root of the isotherm at that pressure has a lower Gibbs
// energy (the common tangent of A(V) lies below the whole isotherm).
//
// The equation's isotherms are not all simple loops. From about 636.98 K to
// 646.697 K a second, small loop sits on the liquid side, and at 646.687 K
// (21.9397 MPa) the stable liquid jumps from one liquid branch to the other;
// at low temperatures the unstable stretch is wavy. The isotherm is
// therefore split into all its stable branches, and the equilibrium is the
// pressure where the vapour's Gibbs energy meets the lowest of the liquid
// branches'.
//
// The equilibrium a window asks for is first sought by the saturation
// search on the liquid-minus-vapour fugacity function from the auxiliary
// saturation curve. Close to the critical point that function takes its
// liquid root at a shifted state (the auxiliary curve's critical point,
// 647.096 K and 22.064 MPa, lies below the equation's own, about 647.127 K
// and 22.0542 MPa), and near the second loop it may settle on a metastable
// liquid. Every answer is therefore checked; where the search gives none
// that passes, the equilibrium is solved for directly.
#pragma once

#include "thermo/CoexistenceState.h"

namespace thermo {

// The critical point of the equation: the highest temperature whose
// isotherm has an unstable stretch, and the pressure and molar volume where
// that stretch closes. Found from the equation on first use and kept.
// Within `CriticalBand` of it the two phases cannot be told apart in double
// precision: `bandT` = T - CriticalBand, and `bandP` the equilibrium
// pressure there.
inline constexpr double CriticalBand = 1e-4;  // K
struct CriticalPoint {
  double T = 0.0;      // K
  double P = 0.0;      // MPa
  double V = 0.0;      // cm3/mol
  double bandT = 0.0;  // K
  double bandP = 0.0;  // MPa
};
const CriticalPoint& EquationCriticalPoint();

// Whether the state is the stable equilibrium of the equation: the
// equation's pressure at each volume is P to 1e-6 MPa, the fugacities
// (recomputed at T, P and each volume) agree to 1e-10 of P, the pressure
// shift that would make them equal, RT |ln(fV / fL)| / (VV - VL), is below
// 1e-10 of P (close to the critical point the fugacities agree closely even
// off the equilibrium, and this is the measure there), the liquid
// volume lies below the vapour volume, both roots are mechanically stable
// (pressure falling with volume), and no other root of the isotherm at P has
// a lower fugacity (to 1e-10 of P).
bool IsCoexistence(const Coexistence& c);

// The equilibrium at temperature T, solved directly; `iterations` receives
// the passes of the pressure solve. False when T has no two-phase region
// (at or above the equation's critical temperature, or so close below it
// that the two phases cannot be told apart) or no answer passes
// IsCoexistence.
bool SolveCoexistenceAtTemperature(double T, Coexistence& out, int& iterations);

// The equilibrium at pressure P, solved directly; `iterations` receives the
// passes of the temperature solve (a Newton solve on the Clapeyron slope,
// kept inside a bracket).
bool SolveCoexistenceAtPressure(double P, Coexistence& out, int& iterations);

// Writes both phases into the program-wide saturation arrays (index 0 the
// liquid, 1 the vapour), which the liquid-minus-vapour function also fills.
void WriteSaturationArrays(const Coexistence& c);

// What a window shows: the equilibrium, and the number of passes that gave
// it (the saturation search's last pass number where the search found it,
// the direct solve's passes otherwise).
struct CoexistenceAnswer {
  bool found = false;
  bool bySearch = false;
  int iterations = 0;
  Coexistence state;
};

// The pressure of the equilibrium at T: the saturation search from the
// auxiliary pressure and 0.999 times it, with the liquid-minus-vapour
// function's retries shifting the pressure (nudge 0) or the temperature
// (nudge 1); where it gives no equilibrium, the direct solve. A search
// that cannot end on the equilibrium, because the function takes the
// equilibrium's liquid volume for a vapour volume (from about 646.982 K and
// 22.0164 MPa up), is given up at its first evaluation at a shifted state.
// On success the program-wide saturation arrays hold the answer.
CoexistenceAnswer CoexistenceAtTemperature(int nudge, double T);

// The temperature of the equilibrium at P: the search from the auxiliary
// saturation temperature and 0.01 K below it (above it at the triple
// point); otherwise the direct solve.
CoexistenceAnswer CoexistenceAtPressure(int nudge, double P);

}  // namespace thermo
