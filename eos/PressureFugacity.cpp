// Pressure and fugacity of water from temperature and molar volume: the sums
// of the base and residual parts of the Helmholtz function.
#include <cmath>

#include "eos/BaseRange.h"
#include "eos/HelmholtzParts.h"

namespace Globals {

double Haar_Pressure(double T, double V) {
  if (!(T > 0.0 && V > 0.0)) return 0.0;
  // Outside the base part's temperature window (0.31 < T/647.073 < 8.26) the
  // residual part alone is not the pressure of water: fail rather than
  // hand the volume and temperature searches a wrong pressure to invert.
  if (!InBaseTemperatureWindow(T)) return 0.0;
  // Only at absurd volumes (rho overflowing) can the sum be undefined.
  return FiniteOrFailure(BasePart(Haar_Quantity::Pressure, T, V) +
                         ResidualPart(Haar_Quantity::Pressure, T, V));
}

double Haar_Fugacity(double T, double P, double V) {
  double lnPhi = 0.0;  // logarithm of the fugacity coefficient
  double result = 0.0;
  if (T > 0.0 && V > 0.0 && P > 0.0) {
    // Outside the base part's window the departure function lacks its base
    // term and the "fugacity" would be no property of water.
    if (!InBaseTemperatureWindow(T)) return 0.0;
    const double Z = (P * V) / (GasConstantR * T);  // compressibility factor
    lnPhi = (Z - 1.0) - std::log(Z);
    lnPhi = lnPhi + (BasePart(Haar_Quantity::ReducedHelmholtz, T, V) +
                     ResidualPart(Haar_Quantity::ReducedHelmholtz, T, V));
  }
  // With T, V or P not above 0 the coefficient stays 1 and P comes back
  // (unless P itself is not finite).
  if (std::abs(lnPhi) < MaxExpArgument) result = P * std::exp(lnPhi);
  return FiniteOrFailure(result);
}

}  // namespace Globals
