// Molar volume from temperature and pressure, and temperature from pressure
// and molar volume: the damped secant search on P - Haar_Pressure.
#include "HalfSecantSolve.h"

namespace Globals {

double VolumeSearch(double T, double P, double Vstart, SecantTrace* trace) {
  return HalfSecantSolve([T, P](double V) { return P - Haar_Pressure(T, V); }, Vstart, {}, trace);
}

double Haar_Volume(double T, double P, double Vstart) { return VolumeSearch(T, P, Vstart); }

double Haar_Temperature(double P, double V, double Tstart) {
  return HalfSecantSolve([P, V](double T) { return P - Haar_Pressure(T, V); }, Tstart);
}

}  // namespace Globals
