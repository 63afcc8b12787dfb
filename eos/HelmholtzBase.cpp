// The base part of the Haar-Gallagher-Kell (1984) Helmholtz function of
// water: a closed form in the reduced density y = b rho / 4 built on the
// temperature functions b(T) and B(T), plus the ideal-gas density term
// ln(rho R' T / p0). Works in bar and g/cm3; pressures leave it in MPa.
#include <array>
#include <cmath>

#include "BaseRange.h"
#include "HelmholtzParts.h"

namespace Globals {

namespace {

// Haar, Gallagher and Kell, NBS/NRC Steam Tables (1984): base-function
// constants alpha, beta (133/3), gamma and the reference pressure p0 in bar.
constexpr double Alpha = 11.0;
constexpr double Beta = 44.333333333333336;
constexpr double Gamma = 3.5;
constexpr double RefPressureBar = 1.01325;

// Haar, Gallagher and Kell (1984): b(T) = b1 ln t + b2 + b3/t^3 + b4/t^5 and
// B(T) = B1 + B2/t + B3/t^2 + B4/t^4 in cm3/g, t = T / 647.073 K.
constexpr std::array<double, 4> CovolumeCoef = {-0.3540782, 0.7478629, 0.007159876, -0.003528426};
constexpr std::array<double, 4> VirialCoef = {1.1278334, -0.5944001, -5.010996, 0.63684256};

}  // namespace

double BasePart(int sel, double T, double V) {
  const double rho = V > 0.0 ? MolarMassH2O / V : 0.0;  // g/cm3
  if (!(rho > 0.0 && InBaseTemperatureWindow(T))) return 0.0;
  const double t = T / CritTempHaar;

  const auto& bc = CovolumeCoef;
  const auto& Bc = VirialCoef;
  const double lnt = std::log(t);
  const double it = 1.0 / t;
  const double it2 = it * it;
  const double it3 = it2 * it;
  const double it4 = it2 * it2;
  const double it5 = it4 * it;
  const double T2 = T * T;

  // b(T), B(T) and their temperature derivatives at constant density.
  const double b = bc[0] * lnt + bc[1] + bc[2] * it3 + bc[3] * it5;
  const double B = Bc[0] + Bc[1] * it + Bc[2] * it2 + Bc[3] * it4;
  const double bT = (bc[0] - 3.0 * bc[2] * it3 - 5.0 * bc[3] * it5) / T;
  const double bTT = (-bc[0] + 12.0 * bc[2] * it3 + 30.0 * bc[3] * it5) / T2;
  const double BT = (-Bc[1] * it - 2.0 * Bc[2] * it2 - 4.0 * Bc[3] * it4) / T;
  const double BTT = (2.0 * Bc[1] * it + 6.0 * Bc[2] * it2 + 20.0 * Bc[3] * it4) / T2;

  const double y = b * rho / 4.0;
  const double w = 1.0 - y;
  // At w = 0 the repulsive terms are infinite: no quantity is defined.
  if (w == 0.0) return 0.0;
  const double q = b / 4.0;      // d y / d rho
  const double yT = bT * rho / 4.0;
  const double yTT = bTT * rho / 4.0;
  const double qT = bT / 4.0;

  const double iw = 1.0 / w;
  const double iw2 = iw * iw;
  const double iw3 = iw2 * iw;
  const double iw4 = iw2 * iw2;
  const double c1 = Beta - 1.0;
  const double c2 = Alpha + Beta + 1.0;
  const double bRatio = B / b - Gamma;
  const double q2 = q * q;
  const double yT2 = yT * yT;

  // Derivatives of the dimensionless base function Phi; all are rational in
  // w, so they stay finite on both sides of w = 0.
  const double phiR = q * iw - c1 * q * iw2 + c2 * q * iw3 + 4.0 * q * bRatio + 1.0 / rho;
  const double phiT =
      yT * iw - c1 * yT * iw2 + c2 * yT * iw3 + rho * BT - 4.0 * Gamma * yT + 1.0 / T;
  const double phiRR = q2 * iw2 - 2.0 * c1 * q2 * iw3 + 3.0 * c2 * q2 * iw4 - 1.0 / (rho * rho);
  const double phiTT = (yTT * iw + yT2 * iw2) - c1 * (yTT * iw2 + 2.0 * yT2 * iw3) +
                       c2 * (yTT * iw3 + 3.0 * yT2 * iw4) + rho * BTT - 4.0 * Gamma * yTT -
                       1.0 / T2;
  const double phiRT = q * yT * iw2 + qT * iw - 2.0 * c1 * q * yT * iw3 - c1 * qT * iw2 +
                       3.0 * c2 * q * yT * iw4 + c2 * qT * iw3 + 4.0 * qT * bRatio +
                       4.0 * q * (BT / b - B * bT / (b * b));

  const double X = SpecificGasConstant * T * phiR;  // bar cm3/g

  switch (sel) {
    case Haar_Quantity::Pressure:
      return rho * rho * X / 10.0;
    case Haar_Quantity::dPdRho:
      return (2.0 * rho * X + rho * rho * T * SpecificGasConstant * phiRR) * MolarMassH2O / 10.0;
    case Haar_Quantity::dPdT:
      return rho * rho * (SpecificGasConstant * phiR + T * SpecificGasConstant * phiRT) / 10.0;
    case Haar_Quantity::Cv: {
      const double aTT = 2.0 * GasConstantR * phiT + GasConstantR * T * phiTT;
      return -T * aTT;
    }
    case Haar_Quantity::ReducedHelmholtz:
    case Haar_Quantity::Helmholtz:
    case Haar_Quantity::Entropy:
    case Haar_Quantity::Energy:
    case Haar_Quantity::Enthalpy:
    case Haar_Quantity::Gibbs:
      break;  // these need Phi itself, below
    default:
      return 0.0;
  }

  // Phi holds -ln w: below w = 0 (molar volumes under about 4.2 cm3/mol) the
  // Helmholtz energy and everything formed from it is undefined.
  if (!(w > 0.0)) return 0.0;
  const double lnIdeal = std::log(rho * SpecificGasConstant * T / RefPressureBar);
  const double phi = -std::log(w) - c1 * iw + c2 * iw2 / 2.0 + 4.0 * y * bRatio -
                     (Alpha - Beta + 3.0) / 2.0 + lnIdeal;
  const double RT = GasConstantR * T;
  const double A = RT * phi;
  const double aT = GasConstantR * phi + RT * phiT;
  const double PV = X * rho * MolarMassH2O / 10.0;  // J/mol

  switch (sel) {
    case Haar_Quantity::ReducedHelmholtz:
      return A / RT - lnIdeal;
    case Haar_Quantity::Helmholtz:
      return A;
    case Haar_Quantity::Entropy:
      return -aT;
    case Haar_Quantity::Energy:
      return A - T * aT;
    case Haar_Quantity::Enthalpy:
      return A - T * aT + PV;
    default:  // Haar_Quantity::Gibbs
      return A + PV;
  }
}

bool AboveBaseCovolume(double T, double V) {
  if (!(V > 0.0 && InBaseTemperatureWindow(T))) return false;
  const double t = T / CritTempHaar;
  const double it = 1.0 / t;
  const double it3 = it * it * it;
  const double it5 = it3 * it * it;
  const auto& bc = CovolumeCoef;
  const double b = bc[0] * std::log(t) + bc[1] + bc[2] * it3 + bc[3] * it5;
  return 1.0 - b * (MolarMassH2O / V) / 4.0 > 0.0;
}

double Haar_Base(int sel, double T, double V) { return FiniteOrFailure(BasePart(sel, T, V)); }

}  // namespace Globals
