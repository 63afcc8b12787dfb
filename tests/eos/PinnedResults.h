// The results of every public function of the equation of state at one
// state, in a fixed order: shared by the program that writes the table of
// pinned results (make_pinned_results.cpp) and the test that compares the
// library with it bit for bit (test_pinned_results.cpp).
#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "eos/Globals.h"

namespace eostest {

// One state of the table: the temperature and molar volume of the state
// functions, a pressure for the fugacity and the searches, and the start
// values of the volume and temperature searches.
struct PinnedState {
  double T;       // K
  double V;       // cm3/mol
  double P;       // MPa
  double Vstart;  // cm3/mol
  double Tstart;  // K
};

// The selectors every part is asked for: all that are defined and two that
// are not.
inline constexpr std::array<int, 12> PinnedSelectors = {0, 1, 2, 3, 4, 5, 6, 7, 100, 101, -1, 8};

inline constexpr int PartResults = 3 * static_cast<int>(PinnedSelectors.size());
inline constexpr int PinnedResultCount = PartResults + 21;
using PinnedResults = std::array<double, PinnedResultCount>;

// The name of result i, for messages.
inline const char* PinnedResultName(int i) {
  static constexpr const char* Parts[3] = {"Haar_Base", "Haar_Residual", "Haar_Ideal"};
  static constexpr const char* Others[PinnedResultCount - PartResults] = {
      "Haar_Pressure",  "Haar_Fugacity",       "Haar_Volume",        "Haar_Temperature",
      "Haar_Helmholtz", "Haar_Entropy",        "Haar_Energy",        "Haar_Enthalpy",
      "Haar_Gibbs",     "Haar_Cv",             "Haar_Cp",            "Haar_Sound",
      "Haar_JouleThomson", "Haar_Viscosity",   "Haar_Dielectric",    "Haar_SurfaceTension",
      "SaturationP",    "SaturationV vapour",  "SaturationV liquid", "SaturationT",
      "SaturationTV",
  };
  if (i < PartResults) return Parts[i / static_cast<int>(PinnedSelectors.size())];
  return Others[i - PartResults];
}

inline PinnedResults EvaluatePinned(const PinnedState& s) {
  using namespace Globals;
  PinnedResults r{};
  int n = 0;
  for (int sel : PinnedSelectors) r[n++] = Haar_Base(sel, s.T, s.V);
  for (int sel : PinnedSelectors) r[n++] = Haar_Residual(sel, s.T, s.V);
  for (int sel : PinnedSelectors) r[n++] = Haar_Ideal(sel, s.T);
  for (double x : {
           Haar_Pressure(s.T, s.V),       Haar_Fugacity(s.T, s.P, s.V),
           Haar_Volume(s.T, s.P, s.Vstart), Haar_Temperature(s.P, s.V, s.Tstart),
           Haar_Helmholtz(s.T, s.V),      Haar_Entropy(s.T, s.V),
           Haar_Energy(s.T, s.V),         Haar_Enthalpy(s.T, s.V),
           Haar_Gibbs(s.T, s.V),          Haar_Cv(s.T, s.V),
           Haar_Cp(s.T, s.V),             Haar_Sound(s.T, s.V),
           Haar_JouleThomson(s.T, s.V),   Haar_Viscosity(s.T, s.V),
           Haar_Dielectric(s.T, s.V),     Haar_SurfaceTension(s.T),
           SaturationP(s.T),
           SaturationV(SaturationPhase::Vapour, s.T), SaturationV(SaturationPhase::Liquid, s.T),
           SaturationT(s.P),              SaturationTV(s.V),
       }) {
    r[n++] = x;
  }
  return r;
}

// One evaluation of the liquid-minus-vapour fugacity function, with the
// saturation arrays it fills.
struct PinnedLV {
  int nudge;
  double T;  // K
  double P;  // MPa
};
using PinnedLVResults = std::array<double, 5>;

inline PinnedLVResults EvaluatePinnedLV(const PinnedLV& s) {
  using namespace Globals;
  InitSaturationArrays();
  const double f = Function_LV(s.nudge, s.T, s.P);
  return {f, MolarVolumes[0], MolarVolumes[1], Fugacity[0], Fugacity[1]};
}

// A row of the table of pinned results (PinnedResultsTable.inc), which
// writes infinite results and results that are not a number as these.
struct PinnedRow {
  PinnedState state;
  PinnedResults results;
};
struct PinnedLVRow {
  PinnedLV state;
  PinnedLVResults results;
};
inline constexpr double Inf = std::numeric_limits<double>::infinity();
inline constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Two results are the same when their bits are; every not-a-number counts
// as the same as every other (the sign and payload of a not-a-number made
// by arithmetic depend on the instructions the compiler chose).
inline bool SameResult(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

}  // namespace eostest
