// The two reference scales of the energy functions (internal energy,
// enthalpy, entropy, Helmholtz and Gibbs energy) and their evaluation.
//
// Each function F(T, V) of the equation of state is given twice: on the
// triple-point scale, on which the saturated liquid at the triple point has
// U = 0 and S = 0, and on the 25 ˚C, 0.1 MPa scale. Above 3000 K, where the
// equation's ideal-gas part no longer describes water, and where the
// equation gives no value for the state (outside its temperature window it
// returns 0), there is no figure on either scale.
#pragma once

#include "thermo/Reason.h"

namespace thermo {

// The saturated liquid at the triple point (273.16 K, at its saturation
// pressure) on the equation's own scales: the zeros of the triple-point
// scale of the internal energy and of the entropy.
inline constexpr double TriplePointEnergy = -35988.58582056208;  // J/mol
inline constexpr double TriplePointEntropy = 63.34092753865809;  // J/(mol K)

// Helmholtz and Gibbs energy on the 25 ˚C, 0.1 MPa scale: A = -306688.0
// J/mol for the liquid there, G = A + P V = -306686.2 J/mol.
inline constexpr double FreeEnergyRefStateOffset = 251730.3982;  // J/mol

// One function and its two scales. On the triple-point scale the figure is
// F - (TriplePointZero - T * ZeroEntropy): for U, H and S the zero is F of
// the triple-point liquid (ZeroEntropy 0); for the free energies it is
// U - T S of that liquid, so that A = U - T S and G = A + P V hold on the
// scale on which U and S are shown. On the other scale the figure is
// F - RefStateOffset (0 for the entropy, which the equation gives on the
// absolute scale already).
struct EnergyScale {
  double (*F)(double T, double V);  // J/mol, entropy J/(mol K)
  double TriplePointZero;
  double ZeroEntropy;
  double RefStateOffset;
};

// The five functions on their scales. The 25 ˚C, 0.1 MPa offsets put U and
// H of the liquid there at -285831.8 J/mol; the free energies A and G
// subtract U - T S of the triple-point liquid on the triple-point scale and
// share one 25 ˚C offset.
extern const EnergyScale InternalEnergyScale;
extern const EnergyScale EnthalpyScale;
extern const EnergyScale EntropyScale;
extern const EnergyScale HelmholtzScale;
extern const EnergyScale GibbsScale;

// The two figures per mole (per mole and kelvin for the entropy), or none
// with the reason.
struct Figures {
  double triplePoint = 0.0;
  double refState = 0.0;
  Reason reason = Reason::None;
  bool HasFigures() const { return reason == Reason::None; }
};

// The figures of F at (T, V).
Figures Evaluate(const EnergyScale& f, double T, double V);

}  // namespace thermo
