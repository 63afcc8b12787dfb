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

// Whether the equation's pressure, given as its residual (the pressure less
// P), gives P back as closely as a polished root must before its
// neighbouring doubles are tried: to PressureBackShare of P. Where the
// rounding of a pressure that is the small difference of large terms is
// coarser than that, see GivesPressureBackToRounding.
inline constexpr double PressureBackShare = 1e-9;
inline bool GivesPressureBack(double P, double residual) {
  return std::abs(residual) <= PressureBackShare * std::abs(P);
}

// Whether T is a root of P at V as closely as the equation can tell: it
// misses P by no more than PressureBackShare of P beyond the equation's own
// rounding at T, the most the pressure changes over the four doubles on
// either side of T. The pressure of the liquid is the small difference of
// terms of hundreds of MPa, and below about 400 K its rounding (some 3e-10
// to 5.5e-9 MPa) exceeds 1e-9 of P below about 0.25 MPa at 400 K, 1.4 MPa
// at 300 K and 4.5 MPa at 260 K: at the pressure minimum of an isochore of
// ordinary water (near 4 ˚C, 0.1 to 10 MPa), where the temperatures of a
// band a few thousandths of a kelvin wide all give P back, and far below
// the saturation pressure, where it exceeds 1e-9 of P a thousandfold at
// 1e-3 MPa. Elsewhere it is far below 1e-9 of P and the test is that share.
bool GivesPressureBackToRounding(double P, double V, double T);

}  // namespace thermo::detail
