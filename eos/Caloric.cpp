// Caloric and derived properties of water at a temperature and molar
// volume: sums of the base, residual and ideal-gas parts of the Helmholtz
// function, and the heat capacity at constant pressure, speed of sound and
// Joule-Thomson coefficient built from Cv and the two pressure derivatives.
#include <cmath>

#include "eos/BaseRange.h"
#include "eos/HelmholtzParts.h"

namespace Globals {

namespace {

bool InRange(double T, double V) {
  return T > 0.0 && V > 0.0 && InBaseTemperatureWindow(T);
}

double SumOfParts(int sel, double T, double V) {
  if (!InRange(T, V)) return 0.0;
  return BasePart(sel, T, V) + ResidualPart(sel, T, V) + IdealPart(sel, T);
}

// Cv (J/(mol K)) and the two pressure derivatives dPdRho = M dP/drho
// (MPa cm3/mol) and dPdT = dP/dT (MPa/K) at one state, each part evaluated
// once; the sums are those of the parts' Cv, dPdRho and dPdT selectors.
// The departures are those of the derivatives from the ideal gas, divided
// by rho and rho^2 (see HeatCapacityTerms).
struct CaloricDerivatives {
  double cv;
  double dPdRho;
  double dPdT;
  double dPdRhoDeparture;
  double dPdTDeparture;
};

CaloricDerivatives DerivativesAt(double T, double V) {
  const HeatCapacityTerms base = BaseHeatCapacityTerms(T, V);
  const HeatCapacityTerms residual = ResidualHeatCapacityTerms(T, V);
  return {base.cv + residual.cv + IdealPart(Haar_Quantity::Cv, T), base.dPdRho + residual.dPdRho,
          base.dPdT + residual.dPdT, base.dPdRhoDeparture + residual.dPdRhoDeparture,
          base.dPdTDeparture + residual.dPdTDeparture};
}

// Cp from Cv and the two pressure derivatives:
// Cp - Cv = T V^2 (dP/dT)^2 / (M dP/drho); MPa cm3 is J. None (0) where
// dP/drho is 0.
double HeatCapacityP(double T, double V, const CaloricDerivatives& d) {
  if (d.dPdRho == 0.0) return 0.0;
  return d.cv + ((((T * V) * V) * d.dPdT) * d.dPdT) / d.dPdRho;
}

double Cv(double T, double V) { return SumOfParts(Haar_Quantity::Cv, T, V); }

// Heat capacity at constant pressure, speed of sound and Joule-Thomson
// coefficient from Cv and the two pressure derivatives.
double Cp(double T, double V) {
  if (!InRange(T, V)) return 0.0;
  return HeatCapacityP(T, V, DerivativesAt(T, V));
}

double Sound(double T, double V) {
  if (!InRange(T, V)) return 0.0;
  const CaloricDerivatives d = DerivativesAt(T, V);
  const double cp = HeatCapacityP(T, V, d);
  // w^2 = (Cp/Cv) (dP/drho)_T; 1 MPa cm3/g is 1000 m2/s2.
  double square = 0.0;
  if (d.cv > 0.0) square = (((cp * d.dPdRho) / d.cv) * 1000.0) / MolarMassH2O;
  if (square > 0.0) return std::sqrt(square);
  return 0.0;
}

double JouleThomson(double T, double V) {
  if (!InRange(T, V)) return 0.0;
  const CaloricDerivatives d = DerivativesAt(T, V);
  // mu = -(V - T (dV/dT)_P) / Cp, with (dV/dT)_P = V^2 (dP/dT) / (M dP/drho).
  // In the dilute gas V and T (dV/dT)_P agree to all but their last digits,
  // both being RT/P for the ideal gas. With the derivatives split into the
  // ideal gas's share (RT and rho R / M) and the departures rho D and
  // rho^2 P' (D and P' as the parts give them), the ideal-gas shares cancel
  // exactly and, as V rho = M,
  //   V - T V^2 (dP/dT) / (M dP/drho) = M (D - M T P') / (M dP/drho),
  // which tends to B - T dB/dT as rho goes to 0 (B the second virial
  // coefficient) and keeps its digits down to the lowest pressures.
  double bracket = 0.0;
  if (d.dPdRho != 0.0) {
    bracket = (MolarMassH2O * (d.dPdRhoDeparture - (MolarMassH2O * T) * d.dPdTDeparture)) / d.dPdRho;
  }
  const double cp = HeatCapacityP(T, V, d);
  if (cp > 0.0) return (-bracket) / cp;
  return 0.0;
}

}  // namespace

// Each property is formed from the parts as evaluated; only its final value
// is replaced by the failure value where it is not a finite number.
double Haar_Helmholtz(double T, double V) {
  return FiniteOrFailure(SumOfParts(Haar_Quantity::Helmholtz, T, V));
}
double Haar_Entropy(double T, double V) {
  return FiniteOrFailure(SumOfParts(Haar_Quantity::Entropy, T, V));
}
double Haar_Energy(double T, double V) {
  return FiniteOrFailure(SumOfParts(Haar_Quantity::Energy, T, V));
}
double Haar_Enthalpy(double T, double V) {
  return FiniteOrFailure(SumOfParts(Haar_Quantity::Enthalpy, T, V));
}
double Haar_Gibbs(double T, double V) {
  return FiniteOrFailure(SumOfParts(Haar_Quantity::Gibbs, T, V));
}
double Haar_Cv(double T, double V) { return FiniteOrFailure(Cv(T, V)); }
double Haar_Cp(double T, double V) { return FiniteOrFailure(Cp(T, V)); }
double Haar_Sound(double T, double V) { return FiniteOrFailure(Sound(T, V)); }
double Haar_JouleThomson(double T, double V) { return FiniteOrFailure(JouleThomson(T, V)); }

double Haar_dPdRho(double T, double V) {
  return FiniteOrFailure(Haar_Base(Haar_Quantity::dPdRho, T, V) + Haar_Residual(Haar_Quantity::dPdRho, T, V));
}
double Haar_dPdT(double T, double V) {
  return FiniteOrFailure(Haar_Base(Haar_Quantity::dPdT, T, V) + Haar_Residual(Haar_Quantity::dPdT, T, V));
}

}  // namespace Globals
