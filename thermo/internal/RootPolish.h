// Internal to the state searches (StateSearch.cpp, IsochoreScan.cpp); not
// part of the calculation layer's interface. The equation's volume and
// temperature searches stop once the pressure matches to about 1e-6 relative, which is
// the last shown digit of a vapour volume. A state handed on to another
// window must give its own pressure back to well below the shown digits, so
// a root those searches found is refined here to the last bits, on the
// stretch of the isotherm (or isochore) it lies on.
#pragma once

#include <cmath>

namespace thermo::detail {

// The molar volume at T nearest in the last bits to where the equation
// gives P, starting from the root V a volume search found: narrowed inside
// a bracket around V on which the pressure falls as the volume grows, so
// that it is the same root on the same stable stretch. V as it is where it
// is no stable root (0, say), or where no such bracket lies close to it.
double PolishedVolume(double T, double P, double V);

// Likewise the temperature at which the equation gives P at V, from the
// root T a temperature search found, on a stretch of the isochore where the
// pressure changes monotonically with the temperature and the state is
// mechanically stable.
double PolishedTemperature(double P, double V, double T);

// Whether the equation gives P back at (T, V) as closely as a polished root
// must before its neighbouring doubles are tried: to PressureBackShare of P.
// Where the rounding of a pressure that is the small difference of large
// terms is coarser than that, see GivesPressureBackToRounding.
inline constexpr double PressureBackShare = 1e-9;
bool GivesPressureBack(double P, double V, double T);
// The same for a pressure already computed, given as its residual (the
// equation's pressure less P).
inline bool GivesPressureBack(double P, double residual) {
  return std::abs(residual) <= PressureBackShare * std::abs(P);
}

// Whether T is a root of P at V as closely as the equation can tell: it
// gives P back to PressureBackShare of P, or, where the rounding scatters the
// pressure by more than that from one double to the next (a dense liquid at
// a few kPa and below, whose pressure is the small difference of terms of
// hundreds of MPa), it misses P by no more than the pressure changes over
// the four doubles on either side of T.
bool GivesPressureBackToRounding(double P, double V, double T);

}  // namespace thermo::detail
