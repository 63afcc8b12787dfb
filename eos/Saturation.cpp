// The liquid-vapour saturation curve of water from the IAPWS (1992)
// auxiliary equations (Wagner and Pruss 1993, J. Phys. Chem. Ref. Data 22,
// 783): vapour pressure and saturated liquid and vapour densities, with the
// critical point 647.096 K, 22.064 MPa, 322 kg/m3; and the two inverse
// searches, saturation temperature from pressure and homogenization
// temperature from molar volume.
#include <cmath>

#include "eos/Globals.h"
#include "eos/BracketRoot.h"
#include "eos/HalfSecantSolve.h"

namespace Globals {

namespace {

// 1000 times the molar mass: V (cm3/mol) = 18015.28 / rho (kg/m3).
constexpr double MolarMassKg = 1000.0 * MolarMassH2O;

// Vapour pressure, IAPWS 1992: ln(P/Pc) = (Tc/T) sum a_i tau^t_i, with
// exponents 1, 1.5, 3, 3.5, 4, 7.5.
constexpr double PsatA[6] = {-7.85951783, 1.84408259, -11.7866497,
                             22.6807411,  -15.9618719, 1.80122502};

// Continuation of the vapour pressure above the critical temperature:
// P = 10^(4.6637 - 2125.7/T) MPa.
constexpr double PsatHighA = 4.6637;
constexpr double PsatHighB = -2125.7;  // K

// Saturated vapour density, IAPWS 1992: ln(rho''/rhoc) = sum c_i tau^t_i.
constexpr double VapC[6] = {-2.0315024, -2.6830294,  -5.38626492,
                            -17.2991605, -44.7586581, -63.9201063};
constexpr double VapT[6] = {1.0 / 3.0, 2.0 / 3.0, 4.0 / 3.0, 3.0, 37.0 / 6.0, 71.0 / 6.0};

// Saturated liquid density, IAPWS 1992: rho'/rhoc = 1 + sum b_i tau^t_i.
constexpr double LiqB[6] = {1.99274064,  1.09965342,  -0.510839303,
                            -1.75493479, -45.5170352, -674694.45};
constexpr double LiqT[6] = {1.0 / 3.0, 2.0 / 3.0, 5.0 / 3.0, 16.0 / 3.0, 43.0 / 3.0, 110.0 / 3.0};

// Maps a temperature a rounding error below the triple point onto it.
double SnapToTriplePoint(double T) {
  if (T < TriplePointTemp && T >= TriplePointTemp - TripleTolerance) return TriplePointTemp;
  return T;
}

// Residual of the saturation-temperature search.
double PressureResidual(double T, double P) { return SaturationP(T) - P; }

// The half-secant search for the saturation temperature of P, started from
// the triple point with the middle of the curve as the previous point, the
// two points kept in these roles. Unbracketed: its points may leave the
// curve. Below the triple-point pressure it settles on the flat stretch below
// 273.16 K and returns that temperature, which the temperature window takes
// as its start. Returns 0 when the search does not converge.
double SaturationTSecant(double P) {
  auto g = [P](double T) { return PressureResidual(T, P); };
  const double x0 = CritTempSat / 2.0;
  const double g0 = g(x0);
  const double x = TriplePointTemp;
  const double g1 = g(x);
  HalfSecantOptions options;
  options.acceptLevel = true;
  return HalfSecantIterate(g, x0, g0, x, g1, options);
}

// Bisection for the saturation temperature of P on the whole curve, where
// the vapour pressure rises strictly with temperature. The caller ensures
// P lies between the triple-point and the critical pressure.
double SaturationTBracketed(double P) {
  const double lo = TriplePointTemp;
  const double hi = CritTempSat;
  const double gLo = PressureResidual(lo, P);
  const double gHi = PressureResidual(hi, P);
  if (gLo >= 0.0) return lo;
  if (gHi <= 0.0) return hi;
  BracketOptions options;
  options.step = BracketStep::Bisection;
  options.tolerance = SecantTolerance;
  // 60 halvings shrink the 374 K interval far below the tolerance.
  options.maxPasses = 60;
  options.yield = true;
  const Bracket br = NarrowBracket([P](double T) { return PressureResidual(T, P); },
                                   Bracket{.a = lo, .fa = gLo, .b = hi, .fb = gHi}, options);
  if (br.zeroHit) return br.b;
  return 0.5 * (br.a + br.b);
}

// Residual of the homogenization-temperature search.
double VolumeResidual(int phase, double T, double V) { return SaturationV(phase, T) - V; }

}  // namespace

double SaturationP(double T) {
  double result = 0.0;
  T = SnapToTriplePoint(T);
  if (TriplePointTemp > T) return result;
  if (T > CritTempSat) {
    return std::pow(10.0, PsatHighB / T + PsatHighA);
  }
  if (!(T <= CritTempSat)) return result;  // not a number
  const double tau = 1.0 - T / CritTempSat;
  double s = PsatA[0] * tau;
  s = s + PsatA[1] * std::pow(tau, 1.5);
  s = s + ((PsatA[2] * tau) * tau) * tau;
  s = s + PsatA[3] * std::pow(tau, 3.5);
  s = s + (((PsatA[4] * tau) * tau) * tau) * tau;
  s = s + PsatA[5] * std::pow(tau, 7.5);
  s = (s * CritTempSat) / T;
  result = CritPresSat * std::exp(s);
  return result;
}

double SaturationV(int phase, double T) {
  T = SnapToTriplePoint(T);
  if (!(T >= TriplePointTemp && T <= CritTempSat)) return 0.0;
  const double tau = 1.0 - T / CritTempSat;
  double rho = 0.0;
  if (phase == SaturationPhase::Vapour) {
    double s = 0.0;
    for (int i = 0; i < 6; ++i) s = s + VapC[i] * std::pow(tau, VapT[i]);
    rho = CritDensSat * std::exp(s);
  } else if (phase == SaturationPhase::Liquid) {
    double s = 1.0;
    for (int i = 0; i < 6; ++i) s = s + LiqB[i] * std::pow(tau, LiqT[i]);
    rho = s * CritDensSat;
  }
  if (rho > 0.0) return MolarMassKg / rho;
  return 0.0;
}

double SaturationT(double P) {
  // Above the critical pressure no temperature has this vapour pressure on
  // the curve; the unbracketed search would settle on the flat stretch
  // below the triple point or run off to absurd temperatures.
  if (!(P <= CritPresSat)) return 0.0;
  const double found = SaturationTSecant(P);
  // Between the triple-point and the critical pressure the curve has exactly
  // one temperature for P. The unbracketed search can overshoot past the
  // critical temperature and settle below the triple point, where the
  // vapour pressure is flat; such an end is no root, so the root is then
  // found by bisection on the curve.
  if (P >= SaturationP(TriplePointTemp) && P <= CritPresSat &&
      !(found >= TriplePointTemp && found <= CritTempSat)) {
    return SaturationTBracketed(P);
  }
  return found;
}

double SaturationTV(double V) {
  const int phase =
      (V > MolarMassKg / CritDensSat) ? SaturationPhase::Vapour : SaturationPhase::Liquid;
  auto g = [phase, V](double T) { return VolumeResidual(phase, T, V); };
  // Start in the middle of the curve; where the residual is flat, step one
  // kelvin upward; keep every point inside 273.16 to 647.096 K, where the
  // saturated volumes are defined.
  const double x0 = (CritTempSat + TriplePointTemp) / 2.0;
  const double g0 = g(x0);
  const double x = x0 - 1.0;
  const double g1 = g(x);
  HalfSecantOptions options;
  options.equalResidual = HalfSecantOptions::EqualResidualRule::FixedStep;
  options.fixedStep = 1.0;
  options.lowerBound = TriplePointTemp;
  options.hasUpperBound = true;
  options.upperBound = CritTempSat;
  return HalfSecantIterate(g, x0, g0, x, g1, options);
}

}  // namespace Globals
