// Internal to the state searches (StateSearch.cpp); not part of the
// calculation layer's interface. The equation's volume and temperature
// searches stop once the pressure matches to about 1e-6 relative, which is
// the last shown digit of a vapour volume. A state handed on to another
// window must give its own pressure back to well below the shown digits, so
// a root those searches found is refined here to the last bits, on the
// stretch of the isotherm (or isochore) it lies on.
#pragma once

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
// must before its neighbouring doubles are tried: to 1e-9 of P, within the
// rounding of a pressure that is the small difference of large terms.
bool GivesPressureBack(double P, double V, double T);

}  // namespace thermo::detail
