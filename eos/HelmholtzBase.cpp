// The base part of the Haar-Gallagher-Kell (1984) Helmholtz function of
// water: a closed form in the reduced density y = b rho / 4 built on the
// temperature functions b(T) and B(T), plus the ideal-gas density term
// ln(rho R' T / p0). Works in bar and g/cm3; pressures leave it in MPa.
#include <array>
#include <cmath>
#include <limits>

#include "eos/BaseRange.h"
#include "eos/HelmholtzParts.h"

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

// What the base part takes from the temperature alone: the powers of
// 647.073 K / T, b(T), B(T), d y / d rho = b / 4 and B / b - gamma.
struct BaseTemperatureFactors {
  double it, it2, it3, it4, it5;
  double b, B, q, bRatio;
};

BaseTemperatureFactors ComputeBaseTemperatureFactors(double T) {
  BaseTemperatureFactors f;
  const double t = T / CritTempHaar;
  const double lnt = std::log(t);
  f.it = 1.0 / t;
  f.it2 = f.it * f.it;
  f.it3 = f.it2 * f.it;
  f.it4 = f.it2 * f.it2;
  f.it5 = f.it4 * f.it;
  f.b = CovolumeCoef[0] * lnt + CovolumeCoef[1] + CovolumeCoef[2] * f.it3 +
        CovolumeCoef[3] * f.it5;
  f.B = VirialCoef[0] + VirialCoef[1] * f.it + VirialCoef[2] * f.it2 + VirialCoef[3] * f.it4;
  f.q = f.b / 4.0;
  f.bRatio = f.B / f.b - Gamma;
  return f;
}

// The factors at T, kept for the last temperature asked on this thread: the
// volume searches evaluate one isotherm at many densities, so the logarithm
// and the divisions run once per temperature, not once per density. The
// values are the same to the bit as formed afresh.
const BaseTemperatureFactors& BaseFactorsAt(double T) {
  thread_local double keptT = std::numeric_limits<double>::quiet_NaN();
  thread_local BaseTemperatureFactors kept{};
  if (!(T == keptT)) {
    kept = ComputeBaseTemperatureFactors(T);
    keptT = T;
  }
  return kept;
}

// The base part at one state: what every quantity shares (b, B, the reduced
// density y = b rho / 4 and the powers of 1 / (1 - y)), with the
// temperature derivatives of b and B and the derivatives of the
// dimensionless base function Phi formed only where a quantity asks for them.
// All derivatives of Phi are rational in w = 1 - y, so they stay finite on
// both sides of w = 0.
class BaseState {
 public:
  BaseState(double T, double rho) : T_(T), rho_(rho) {
    const BaseTemperatureFactors& f = BaseFactorsAt(T);
    it_ = f.it;
    it2_ = f.it2;
    it3_ = f.it3;
    it4_ = f.it4;
    it5_ = f.it5;
    b_ = f.b;
    B_ = f.B;
    y_ = b_ * rho / 4.0;
    w_ = 1.0 - y_;
    q_ = f.q;  // d y / d rho
    iw_ = 1.0 / w_;
    iw2_ = iw_ * iw_;
    iw3_ = iw2_ * iw_;
    iw4_ = iw2_ * iw2_;
    bRatio_ = f.bRatio;
  }

  double w() const { return w_; }

  // d Phi / d rho, and X = R' T Phi_rho in bar cm3/g. The ideal gas's share
  // is the 1 / rho of ln rho; the rest, the departure from it, tends to B(T)
  // as rho goes to 0.
  double PhiRDeparture() const {
    const double q = q_;
    return q * iw_ - c1 * q * iw2_ + c2 * q * iw3_ + 4.0 * q * bRatio_;
  }
  double PhiR() const { return PhiRDeparture() + 1.0 / rho_; }
  double X() const { return SpecificGasConstant * T_ * PhiR(); }

  // d2 Phi / d rho2, likewise the departure and the ideal gas's -1 / rho^2.
  double PhiRRDeparture() const {
    const double q2 = q_ * q_;
    return q2 * iw2_ - 2.0 * c1 * q2 * iw3_ + 3.0 * c2 * q2 * iw4_;
  }
  double PhiRR() const { return PhiRRDeparture() - 1.0 / (rho_ * rho_); }

  double PhiT() const {
    const double yT = bT() * rho_ / 4.0;
    return yT * iw_ - c1 * yT * iw2_ + c2 * yT * iw3_ + rho_ * BT() - 4.0 * Gamma * yT + 1.0 / T_;
  }

  double PhiTT() const {
    const double yT = bT() * rho_ / 4.0;
    const double yTT = bTT() * rho_ / 4.0;
    const double yT2 = yT * yT;
    return (yTT * iw_ + yT2 * iw2_) - c1 * (yTT * iw2_ + 2.0 * yT2 * iw3_) +
           c2 * (yTT * iw3_ + 3.0 * yT2 * iw4_) + rho_ * BTT() - 4.0 * Gamma * yTT -
           1.0 / (T_ * T_);
  }

  double PhiRT() const {
    const double q = q_;
    const double dbdT = bT();
    const double yT = dbdT * rho_ / 4.0;
    const double qT = dbdT / 4.0;
    return q * yT * iw2_ + qT * iw_ - 2.0 * c1 * q * yT * iw3_ - c1 * qT * iw2_ +
           3.0 * c2 * q * yT * iw4_ + c2 * qT * iw3_ + 4.0 * qT * bRatio_ +
           4.0 * q * (BT() / b_ - B_ * dbdT / (b_ * b_));
  }

  // Phi itself; it holds -ln w, so it is defined only for w > 0. ln(rho R' T / p0)
  // is the ideal-gas density term.
  double LnIdeal() const { return std::log(rho_ * SpecificGasConstant * T_ / RefPressureBar); }
  double Phi(double lnIdeal) const {
    return -std::log(w_) - c1 * iw_ + c2 * iw2_ / 2.0 + 4.0 * y_ * bRatio_ -
           (Alpha - Beta + 3.0) / 2.0 + lnIdeal;
  }

 private:
  static constexpr const std::array<double, 4>& bc = CovolumeCoef;
  static constexpr const std::array<double, 4>& Bc = VirialCoef;
  static constexpr double c1 = Beta - 1.0;
  static constexpr double c2 = Alpha + Beta + 1.0;

  // Temperature derivatives of b(T) and B(T).
  double bT() const { return (bc[0] - 3.0 * bc[2] * it3_ - 5.0 * bc[3] * it5_) / T_; }
  double bTT() const { return (-bc[0] + 12.0 * bc[2] * it3_ + 30.0 * bc[3] * it5_) / (T_ * T_); }
  double BT() const { return (-Bc[1] * it_ - 2.0 * Bc[2] * it2_ - 4.0 * Bc[3] * it4_) / T_; }
  double BTT() const {
    return (2.0 * Bc[1] * it_ + 6.0 * Bc[2] * it2_ + 20.0 * Bc[3] * it4_) / (T_ * T_);
  }

  double T_, rho_;
  double it_, it2_, it3_, it4_, it5_;  // powers of 647.073 K / T
  double b_, B_, y_, w_, q_, iw_, iw2_, iw3_, iw4_, bRatio_;
};

// The density of molar volume V, or 0 where the base part is not defined
// (V not above 0, T outside the window).
double BaseDensity(double T, double V) {
  const double rho = V > 0.0 ? MolarMassH2O / V : 0.0;  // g/cm3
  if (!(rho > 0.0 && InBaseTemperatureWindow(T))) return 0.0;
  return rho;
}

// M (dP/drho)_T in MPa cm3/mol, (dP/dT)_rho in MPa/K and Cv in J/(mol K).
double PressureDensityDerivative(const BaseState& s, double T, double rho) {
  return (2.0 * rho * s.X() + rho * rho * T * SpecificGasConstant * s.PhiRR()) * MolarMassH2O /
         10.0;
}
double PressureTemperatureDerivative(const BaseState& s, double T, double rho) {
  return rho * rho * (SpecificGasConstant * s.PhiR() + T * SpecificGasConstant * s.PhiRT()) /
         10.0;
}
// The same two derivatives less the ideal gas's RT and rho R / M, divided
// by rho and rho^2 (see HeatCapacityTerms).
double PressureDensityDeparture(const BaseState& s, double T, double rho) {
  return (2.0 * SpecificGasConstant * T * s.PhiRDeparture() +
          rho * T * SpecificGasConstant * s.PhiRRDeparture()) *
         MolarMassH2O / 10.0;
}
double PressureTemperatureDeparture(const BaseState& s, double T) {
  return (SpecificGasConstant * s.PhiRDeparture() + T * SpecificGasConstant * s.PhiRT()) / 10.0;
}
double HeatCapacityV(const BaseState& s, double T) {
  const double aTT = 2.0 * GasConstantR * s.PhiT() + GasConstantR * T * s.PhiTT();
  return -T * aTT;
}

}  // namespace

double BasePart(int sel, double T, double V) {
  const double rho = BaseDensity(T, V);
  if (rho == 0.0) return 0.0;
  const BaseState s(T, rho);
  // At w = 0 the repulsive terms are infinite: no quantity is defined.
  if (s.w() == 0.0) return 0.0;

  switch (sel) {
    case Haar_Quantity::Pressure:
      return rho * rho * s.X() / 10.0;
    case Haar_Quantity::dPdRho:
      return PressureDensityDerivative(s, T, rho);
    case Haar_Quantity::dPdT:
      return PressureTemperatureDerivative(s, T, rho);
    case Haar_Quantity::Cv:
      return HeatCapacityV(s, T);
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
  if (!(s.w() > 0.0)) return 0.0;
  const double lnIdeal = s.LnIdeal();
  const double phi = s.Phi(lnIdeal);
  const double RT = GasConstantR * T;
  const double A = RT * phi;
  const double aT = GasConstantR * phi + RT * s.PhiT();
  const double PV = s.X() * rho * MolarMassH2O / 10.0;  // J/mol

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
  return BaseState(T, MolarMassH2O / V).w() > 0.0;
}

double Haar_Base(int sel, double T, double V) { return FiniteOrFailure(BasePart(sel, T, V)); }

bool Haar_InTemperatureWindow(double T) { return InBaseTemperatureWindow(T); }

namespace {
// The double nearest `bound` (a reduced temperature) times the critical
// temperature, moved towards `inside` until the window holds it.
double WindowEdge(double bound, double inside) {
  double T = bound * CritTempHaar;
  while (!InBaseTemperatureWindow(T)) T = std::nextafter(T, inside);
  return T;
}
}  // namespace

double Haar_LowestWindowTemperature() {
  static const double T = WindowEdge(MinReducedTemp, CritTempHaar);
  return T;
}
double Haar_HighestWindowTemperature() {
  static const double T = WindowEdge(MaxReducedTemp, CritTempHaar);
  return T;
}

HeatCapacityTerms BaseHeatCapacityTerms(double T, double V) {
  const double rho = BaseDensity(T, V);
  if (rho == 0.0) return {};
  const BaseState s(T, rho);
  if (s.w() == 0.0) return {};
  return {HeatCapacityV(s, T), PressureDensityDerivative(s, T, rho),
          PressureTemperatureDerivative(s, T, rho), PressureDensityDeparture(s, T, rho),
          PressureTemperatureDeparture(s, T)};
}

}  // namespace Globals
