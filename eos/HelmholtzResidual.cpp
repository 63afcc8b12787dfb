// The residual part of the Haar-Gallagher-Kell (1984) Helmholtz function of
// water: 36 power terms in 647.073/T and 1 - exp(-rho), and four Gaussian
// terms in density and temperature (three next to the critical point, one
// in the cold compressed liquid). Per gram, rho in g/cm3, so rho^2 dA/drho
// is a pressure in MPa.
#include <array>
#include <cmath>
#include <limits>

#include "eos/HelmholtzParts.h"
#include "eos/Yield.h"

namespace Globals {

namespace {

struct PowerTerm {
  double c;  // g / k, J/g
  int k;     // power of 1 - exp(-rho)
  int l;     // power of 647.073 / T
  constexpr PowerTerm(double g, int k_, int l_) : c(g / k_), k(k_), l(l_) {}
};

// Haar, Gallagher and Kell, NBS/NRC Steam Tables (1984): the 36 power terms
// of the residual function, g_i (J/g), k_i, l_i, in the order they are
// summed; each is stored as g_i / k_i.
constexpr std::array<PowerTerm, 36> PowerTerms = {{
    {-530.62968529023, 1, 1},  {2274.4901424408, 1, 2},   {787.79333020687, 1, 4},
    {-69.830527374994, 1, 6},  {17863.832875422, 2, 1},   {-39514.731563338, 2, 2},
    {33803.884280753, 2, 4},   {-13855.050202703, 2, 6},  {-256374.3661326, 3, 1},
    {482125.75981415, 3, 2},   {-341830.1696966, 3, 4},   {122231.56417448, 3, 6},
    {1179743.3655832, 4, 1},   {-2173481.0110373, 4, 2},  {1082995.216862, 4, 4},
    {-254419.98064049, 4, 6},  {-3137777.4947767, 5, 1},  {5291191.0757704, 5, 2},
    {-1380257.7177877, 5, 4},  {-251099.14369001, 5, 6},  {4656182.6115608, 6, 1},
    {-7275277.3275387, 6, 2},  {417742.46148294, 6, 4},   {1401635.8244614, 6, 6},
    {-3155523.1392127, 7, 1},  {4792966.6384584, 7, 2},   {409126.64781209, 7, 4},
    {-1362636.9388386, 7, 6},  {696252.20862664, 9, 1},   {-1083490.0096447, 9, 2},
    {-227228.27401688, 9, 4},  {383654.8600066, 9, 6},    {6883.3257944332, 3, 0},
    {21757.245522644, 3, 3},   {-2662.794482977, 1, 3},   {-70730.418082074, 5, 3},
}};
constexpr int MaxK = 9;
constexpr int MaxL = 6;

// 647.073^l for l = 0..6, by products.
constexpr std::array<double, MaxL + 1> RedTempPow = [] {
  std::array<double, MaxL + 1> p{};
  p[0] = 1.0;
  for (int l = 1; l <= MaxL; ++l) p[l] = p[l - 1] * CritTempHaar;
  return p;
}();

struct GaussTerm {
  double g;      // J/g
  int k;         // even power of the reduced density offset in the exponent
  int l;         // power of the reduced density offset in the prefactor
  double alpha;  // density width
  double beta;   // temperature width
  double rho;    // centre density, g/cm3
  double T;      // centre temperature, K
};

// Haar, Gallagher and Kell, NBS/NRC Steam Tables (1984): the four additional
// terms, g (delta^l) exp(-alpha delta^k - beta tau^2), delta = (rho - rho_j) / rho_j,
// tau = (T - T_j) / T_j.
constexpr std::array<GaussTerm, 4> GaussTerms = {{
    {-0.225, 2, 0, 34.0, 20000.0, 0.319, 640.0},
    {-1.68, 2, 2, 40.0, 20000.0, 0.319, 640.0},
    {0.055, 2, 0, 30.0, 40000.0, 0.319, 641.6},
    {-93.0, 4, 0, 1050.0, 25.0, 1.55, 270.0},
}};

// x^n for a small n >= 0 by products; x^0 = 1 for every x, 0 included.
constexpr double IntPow(double x, int n) {
  double r = 1.0;
  for (int j = 0; j < n; ++j) r *= x;
  return r;
}

// The sums of the residual part: A in J/g and its derivatives in rho
// (g/cm3) and T (K).
struct ResidualSums {
  double A = 0.0, Ar = 0.0, Arr = 0.0, At = 0.0, Att = 0.0, Art = 0.0;
};

// Which of the sums an evaluation forms; a quantity needs only some of them.
enum Sum : unsigned {
  SumA = 1u << 0,
  SumAr = 1u << 1,
  SumArr = 1u << 2,
  SumAt = 1u << 3,
  SumAtt = 1u << 4,
  SumArt = 1u << 5,
};

// exp returns exactly 0 for arguments below about -745.13. A Gaussian term
// whose exponent lies below this bound contributes only signed zeros, which
// leave every sum as it is: a sum never holds -0, since it starts at +0 and
// in round-to-nearest x + (-x) and +0 + (-0) are both +0. Such a term is
// skipped, but only where the density and temperature offsets are moderate:
// there every factor multiplied by the exponential is finite, while at
// absurd densities a product such as 0 * inf makes the sum not a number.
constexpr double NegligibleExponent = -750.0;
constexpr double ModerateOffset = 1e50;

// Below this exponent the exponential, as exp returns it (within one unit
// in the last place of the true value), is less than SmallExponentBound.
constexpr double SmallExponent = -100.0;
constexpr double SmallExponentBound = 4e-44;  // exp(-100) = 3.72e-44

// Whether adding a term whose magnitude is at most scale * exp(X), X below
// SmallExponent, leaves the running sum exactly as it is. It does when the
// term is below a quarter of the sum's unit in the last place: the sum is
// then the one double nearest to the exact result, also where it is a power
// of two and the doubles below it lie twice as close. A normal sum's unit in
// the last place exceeds |sum| 2^-53; the bound asked for, |sum| 2^-56,
// leaves a factor two for the rounding of the term and of the bound itself.
bool TooSmallToMove(double sum, double scale) {
  const double mag = std::abs(sum);
  if (!(mag >= std::numeric_limits<double>::min() && mag <= std::numeric_limits<double>::max()))
    return false;
  return scale * SmallExponentBound < mag * 0x1p-56;
}

// The sums named in Need at temperature T and density rho; `yield` is called
// once per term.
template <unsigned Need, class Yield>
ResidualSums SumTerms(double T, double rho, Yield yield) {
  constexpr bool needA = (Need & SumA) != 0, needAr = (Need & SumAr) != 0,
                 needArr = (Need & SumArr) != 0, needAt = (Need & SumAt) != 0,
                 needAtt = (Need & SumAtt) != 0, needArt = (Need & SumArt) != 0;
  ResidualSums s;

  // (1 - e^-rho)^k and its density derivatives for every k in the table,
  // and (647.073 / T)^l with its temperature derivatives
  // -l 647.073^l / T^(l+1) and l (l + 1) 647.073^l / T^(l+2) for every l,
  // each formed once by products; the derivatives only where a sum needs
  // them.
  const double e = std::exp(-rho);
  const double x = 1.0 - e;
  std::array<double, MaxK + 1> r{}, rR{}, rRR{};
  r[0] = 1.0;
  for (int k = 1; k <= MaxK; ++k) {
    r[k] = r[k - 1] * x;
    if constexpr (needAr || needArt) rR[k] = (k * e) * r[k - 1];
    if constexpr (needArr) {
      rRR[k] = (k == 1) ? -e : (k * (-e)) * r[k - 1] + (k * (k - 1) * e * e) * r[k - 2];
    }
  }
  std::array<double, MaxL + 1> t{}, tT{}, tTT{};
  if constexpr (needA || needAr || needArr) {
    const double tau = CritTempHaar / T;
    t[0] = 1.0;
    for (int l = 1; l <= MaxL; ++l) t[l] = t[l - 1] * tau;
  }
  if constexpr (needAt || needAtt || needArt) {
    const double iT = 1.0 / T;
    std::array<double, MaxL + 3> iTpow{};  // (1/T)^n
    iTpow[0] = 1.0;
    for (int n = 1; n <= MaxL + 2; ++n) iTpow[n] = iTpow[n - 1] * iT;
    for (int l = 1; l <= MaxL; ++l) {
      tT[l] = (-RedTempPow[l] * l) * iTpow[l + 1];
      if constexpr (needAtt) tTT[l] = (RedTempPow[l] * l * (l + 1)) * iTpow[l + 2];
    }
  }

  for (const PowerTerm& term : PowerTerms) {
    const int k = term.k;
    const int l = term.l;
    const double c = term.c;
    if constexpr (needA) s.A += (c * t[l]) * r[k];
    if constexpr (needAr) s.Ar += (c * t[l]) * rR[k];
    if constexpr (needArr) s.Arr += (c * t[l]) * rRR[k];
    if constexpr (needAt) s.At += (c * r[k]) * tT[l];
    if constexpr (needAtt) s.Att += (c * r[k]) * tTT[l];
    if constexpr (needArt) s.Art += (c * tT[l]) * rR[k];
    yield();
  }

  // Unrolled, so that the constants of each term fold and the offsets the
  // terms share are computed once.
#pragma GCC unroll 4
  for (const GaussTerm& term : GaussTerms) {
    const int k = term.k;
    const int l = term.l;
    const double a = 1.0 / term.rho;
    const double delta = (rho - term.rho) / term.rho;
    const double b = 1.0 / term.T;
    const double tauJ = (T - term.T) / term.T;

    // The exponent X = -alpha delta^k - beta tau^2 and its derivatives; k is
    // even, so X is never positive.
    const double X = (-term.alpha) * IntPow(delta, k) + ((-term.beta) * tauJ) * tauJ;
    if (X < NegligibleExponent && std::abs(delta) < ModerateOffset &&
        std::abs(tauJ) < ModerateOffset) {
      yield();
      continue;
    }
    const double XR = ((-term.alpha) * a * k) * IntPow(delta, k - 1);
    const double XRR = ((-term.alpha) * a * a * k * (k - 1)) * IntPow(delta, k - 2);
    const double XT = (-term.beta) * b * 2.0 * tauJ;
    const double XTT = (-term.beta) * b * b * 2.0;

    const double d = IntPow(delta, l);
    const double dR = l > 0 ? (a * l) * IntPow(delta, l - 1) : 0.0;
    const double dRR = l > 1 ? (a * a * l * (l - 1)) * IntPow(delta, l - 2) : 0.0;

    // For the pressure alone: a term too small to move the density sum by
    // any bit is skipped without its exponential (see TooSmallToMove).
    if constexpr (Need == SumAr) {
      if (X < SmallExponent && TooSmallToMove(s.Ar, std::abs(term.g) *
                                                        (std::abs(dR) + std::abs(d) * std::abs(XR)))) {
        yield();
        continue;
      }
    }

    const double E = std::exp(X);
    const double ER = E * XR;
    if constexpr (needA) s.A += (term.g * d) * E;
    if constexpr (needAr) s.Ar += term.g * (dR * E + d * ER);
    if constexpr (needArr) {
      const double ERR = E * XRR + (E * XR) * XR;
      s.Arr += term.g * ((dRR * E + (2.0 * dR) * ER) + d * ERR);
    }
    if constexpr (needAt) s.At += (term.g * d) * (E * XT);
    if constexpr (needAtt) s.Att += (term.g * d) * (E * XTT + (E * XT) * XT);
    if constexpr (needArt) s.Art += ((term.g * XT) * E) * (d * XR + dR);
    yield();
  }
  return s;
}

// The sums named in Need.
template <unsigned Need>
ResidualSums Sums(double T, double rho) {
  return WithYield([T, rho](auto yield) { return SumTerms<Need>(T, rho, yield); });
}

// The density of molar volume V, or 0 where the residual part is not
// evaluated (V or T not above 0).
double ResidualDensity(double T, double V) {
  double rho = 0.0;
  if (V > 0.0) rho = MolarMassH2O / V;
  if (!(rho > 0.0 && T > 0.0)) return 0.0;
  return rho;
}

// Cv in J/(mol K), M (dP/drho)_T in MPa cm3/mol and (dP/dT)_rho in MPa/K
// from the sums.
double HeatCapacityV(const ResidualSums& s, double T) { return ((-T) * s.Att) * MolarMassH2O; }
double PressureDensityDerivative(const ResidualSums& s, double rho) {
  return ((2.0 * ((s.Ar * rho) * rho)) / rho + (rho * rho) * s.Arr) * MolarMassH2O;
}
double PressureTemperatureDerivative(const ResidualSums& s, double rho) {
  return (rho * rho) * s.Art;
}
// The first divided by rho; the second divided by rho^2 is Art. This part
// holds none of the ideal gas, so these are its departures too.
double PressureDensityDeparture(const ResidualSums& s, double rho) {
  return (2.0 * s.Ar + rho * s.Arr) * MolarMassH2O;
}

}  // namespace

double ResidualPart(int sel, double T, double V) {
  const double rho = ResidualDensity(T, V);
  if (rho == 0.0) return 0.0;

  constexpr double M = MolarMassH2O;
  switch (sel) {
    case Haar_Quantity::Pressure: {
      const ResidualSums s = Sums<SumAr>(T, rho);
      return (s.Ar * rho) * rho;
    }
    case Haar_Quantity::ReducedHelmholtz:
      return (Sums<SumA>(T, rho).A * M) / (GasConstantR * T);
    case Haar_Quantity::Helmholtz:
      return Sums<SumA>(T, rho).A * M;
    case Haar_Quantity::Entropy:
      return (-Sums<SumAt>(T, rho).At) * M;
    case Haar_Quantity::Energy: {
      const ResidualSums s = Sums<SumA | SumAt>(T, rho);
      return (s.A - T * s.At) * M;
    }
    case Haar_Quantity::Enthalpy: {
      const ResidualSums s = Sums<SumA | SumAt | SumAr>(T, rho);
      return ((s.A - T * s.At) + s.Ar * rho) * M;
    }
    case Haar_Quantity::Gibbs: {
      const ResidualSums s = Sums<SumA | SumAr>(T, rho);
      return (s.A + s.Ar * rho) * M;
    }
    case Haar_Quantity::Cv:
      return HeatCapacityV(Sums<SumAtt>(T, rho), T);
    case Haar_Quantity::dPdRho:
      return PressureDensityDerivative(Sums<SumAr | SumArr>(T, rho), rho);
    case Haar_Quantity::dPdT:
      return PressureTemperatureDerivative(Sums<SumArt>(T, rho), rho);
    default:
      // An unknown selector still runs through the terms, yielding once per
      // term as every evaluation does, and gives 0.
      Sums<0>(T, rho);
      return 0.0;
  }
}

double Haar_Residual(int sel, double T, double V) {
  return FiniteOrFailure(ResidualPart(sel, T, V));
}

HeatCapacityTerms ResidualHeatCapacityTerms(double T, double V) {
  const double rho = ResidualDensity(T, V);
  if (rho == 0.0) return {};
  const ResidualSums s = Sums<SumAr | SumArr | SumAtt | SumArt>(T, rho);
  return {HeatCapacityV(s, T), PressureDensityDerivative(s, rho),
          PressureTemperatureDerivative(s, rho), PressureDensityDeparture(s, rho), s.Art};
}

}  // namespace Globals
