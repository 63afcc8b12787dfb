// The ideal-gas part of the Haar-Gallagher-Kell (1984) Helmholtz function of
// water: an 18-coefficient function of temperature alone. The density
// dependence of the ideal gas lies in the base part's ln(rho R' T / p0).
#include <cmath>

#include "eos/HelmholtzParts.h"
#include "eos/Yield.h"

namespace Globals {

namespace {

// Haar, Gallagher and Kell (1984), NBS/NRC Steam Tables, ideal-gas
// coefficients C_1..C_18 of
// Phi0 = 1 + (C1/t + C2) ln t + sum_{i=3..18} C_i t^(i-6), t = T / 100 K.
constexpr double IdealC[18] = {
    19.730271018,     20.9662681977,     -0.483429455355,   6.05743189245,
    22.56023885,      -9.87532442,       -4.3135538513,     0.458155781,
    -0.047754901883,  0.0041238460633,   -0.00027929052852, 1.4481695261e-05,
    -5.6473658748e-07, 1.6200446e-08,    -3.303822796e-10,  4.51916067368e-12,
    -3.70734122708e-14, 1.37546068238e-16,
};

constexpr double TempScale = 100.0;  // K

// Phi0 and its first and second temperature derivatives at t = T / 100 K.
struct IdealSums {
  double phi = 0.0;
  double dphi = 0.0;   // 1/K
  double d2phi = 0.0;  // 1/K2
};

// The three sums, each term followed by one call of `yield`. The powers of
// t run upward from t^-3, t^-4 and t^-5 by one factor of t per term.
template <class Yield>
IdealSums SumTerms(double t, Yield yield) {
  const double c1 = IdealC[0];
  const double c2 = IdealC[1];
  const double lnT = std::log(t);
  const double inv = 1.0 / t;
  IdealSums s;

  s.phi = 1.0 + (c1 * inv + c2) * lnT;
  double p = inv * inv * inv;
  for (int i = 3; i <= 18; ++i) {
    s.phi += IdealC[i - 1] * p;
    p *= t;
    yield();
  }

  s.dphi = -c1 * lnT / (TempScale * t * t) + (c1 * inv + c2) / (TempScale * t);
  p = inv * inv * inv * inv;
  for (int i = 3; i <= 18; ++i) {
    s.dphi += IdealC[i - 1] * (i - 6) * p / TempScale;
    p *= t;
    yield();
  }

  const double t3 = t * t * t;
  constexpr double TempScale2 = TempScale * TempScale;
  s.d2phi = (-2.0 * c1 / (TempScale2 * t3)) * (1.0 - lnT) - c1 / (TempScale2 * t3) -
            c2 / (TempScale2 * t * t);
  p = inv * inv * inv * inv * inv;
  for (int i = 3; i <= 18; ++i) {
    s.d2phi += IdealC[i - 1] * ((i - 6) * (i - 7)) * p / TempScale2;
    p *= t;
    yield();
  }
  return s;
}

}  // namespace

double IdealPart(int sel, double T) {
  const double t = T / TempScale;
  if (!(t > 0.0)) return 0.0;
  const IdealSums s = WithYield([t](auto yield) { return SumTerms(t, yield); });
  const double phi = s.phi;
  const double dphi = s.dphi;
  const double d2phi = s.d2phi;

  // Helmholtz energy and its temperature derivatives, J/mol, J/(mol K), J/(mol K2).
  const double a = -GasConstantR * T * phi;
  const double aT = -GasConstantR * phi - GasConstantR * T * dphi;
  const double aTT = -2.0 * GasConstantR * dphi - GasConstantR * T * d2phi;

  switch (sel) {
    case Haar_Quantity::Helmholtz:
    case Haar_Quantity::Gibbs:
      return a;
    case Haar_Quantity::Entropy:
      return -aT;
    case Haar_Quantity::Energy:
    case Haar_Quantity::Enthalpy:
      return a - T * aT;
    case Haar_Quantity::Cv:
      return -T * aTT;
    default:
      return 0.0;  // the ideal gas adds no pressure and no P V term
  }
}

double Haar_Ideal(int sel, double T) { return FiniteOrFailure(IdealPart(sel, T)); }

}  // namespace Globals
