// Viscosity, static dielectric constant and surface tension of water: three
// published correlations evaluated directly, each with its own constants.
#include <cmath>

#include "eos/FailureValue.h"
#include "eos/Globals.h"

namespace Globals {

namespace {

// IAPS formulation for the viscosity of water (1975, revised 1983), as given
// by Watson, Basu and Sengers (1980), J. Phys. Chem. Ref. Data 9, 1255.
// Reducing temperature and density.
constexpr double ViscRefTemp = 647.27;     // K
constexpr double ViscRefDens = 0.317763;   // g/cm3
constexpr double ViscToPaS = 1e-6;         // dilute-gas term in Pa s

// Dilute-gas coefficients a(k), k = 0..3, of sum a(k) (T*/T)^k.
constexpr double ViscA[4] = {0.0181583, 0.0177624, 0.0105287, -0.0036744};

// Coefficients b(i, j) of exp[(rho/rho*) sum b(i,j) (rho/rho* - 1)^i (T*/T - 1)^j];
// row i is the power of (rho/rho* - 1), column j that of (T*/T - 1).
constexpr double ViscB[5][6] = {
    {0.501938, 0.162888, -0.130356, 0.907919, -0.551119, 0.146543},
    {0.235622, 0.789393, 0.673665, 1.207552, 0.0670665, -0.084337},
    {-0.274637, -0.743539, -0.959456, -0.687343, -0.497089, 0.195286},
    {0.145831, 0.263129, 0.347247, 0.213486, 0.100754, -0.032932},
    {-0.0270448, -0.0253093, -0.0267758, -0.0822904, 0.0602253, -0.0202595},
};

// Static dielectric constant, Uematsu and Franck (1980), the IAPS (1977)
// equation: temperature reduced by 298.15 K, density in g/cm3.
constexpr double DielRefTemp = 298.15;  // K
constexpr double DielA[10] = {7.62571,  244.003,  -140.569, 27.7841,  -96.2805,
                              41.7909, -10.2099, -45.2059, 84.6395, -35.8644};

// Surface tension of water against its vapour, IAPS (1976):
// sigma = B tau^mu (1 + b tau), tau = (Tc - T) / Tc, with this equation's own
// critical temperature.
constexpr double SurfCritTemp = 647.15;  // K
constexpr double SurfB = 0.2358;         // N/m
constexpr double SurfMu = 1.256;
constexpr double SurfLinear = -0.625;

}  // namespace

double Haar_Viscosity(double T, double V) {
  double result = 0.0;
  if (!(T > 0.0 && V > 0.0)) return result;
  const double rho = MolarMassH2O / V;

  // Dilute-gas sum over powers of T*/T.
  const double tRatio = ViscRefTemp / T;
  double s0 = 0.0;
  double tPow = 1.0;
  for (int k = 0; k < 4; ++k) {
    s0 += ViscA[k] * tPow;
    tPow *= tRatio;
    RuntimeBackgroundTask();
  }
  double mu0 = 0.0;
  if (s0 != 0.0) mu0 = (std::sqrt(T / ViscRefTemp) / s0) * ViscToPaS;

  // Residual factor: double power series in reduced density and temperature.
  const double dRho = rho / ViscRefDens - 1.0;
  const double dTemp = tRatio - 1.0;
  double s1 = 0.0;
  double rhoPow = 1.0;
  for (int i = 0; i < 5; ++i) {
    double tempPow = 1.0;
    for (int j = 0; j < 6; ++j) {
      s1 += (ViscB[i][j] * rhoPow) * tempPow;
      tempPow *= dTemp;
      RuntimeBackgroundTask();
    }
    rhoPow *= dRho;
    RuntimeBackgroundTask();
  }
  const double x = (rho / ViscRefDens) * s1;
  if (std::fabs(x) < MaxExpArgument) result = mu0 * std::exp(x);
  return FiniteOrFailure(result);
}

double Haar_Dielectric(double T, double V) {
  if (!(T > 0.0 && V > 0.0)) return 0.0;
  const double t = T / DielRefTemp;
  const double rho = MolarMassH2O / V;
  double e = 1.0 + (DielA[0] * rho) / t;
  e = e + (((DielA[1] / t) + DielA[2]) + DielA[3] * t) * rho * rho;
  e = e + (((DielA[4] / t) + DielA[5] * t) + (DielA[6] * t) * t) * rho * rho * rho;
  e = e + (((DielA[7] / (t * t)) + DielA[8] / t) + DielA[9]) * rho * rho * rho * rho;
  return FiniteOrFailure(e);
}

double Haar_SurfaceTension(double T) {
  // Above the equation's critical temperature there is no interface (and the
  // power of a negative base is undefined): the failure value 0.
  if (!(T > 0.0 && T < SurfCritTemp)) return 0.0;
  const double tau = (SurfCritTemp - T) / SurfCritTemp;
  return (SurfB * std::pow(tau, SurfMu)) * (1.0 + (SurfLinear * (SurfCritTemp - T)) / SurfCritTemp);
}

}  // namespace Globals
