#include "Globals.h"

namespace Globals {

double Haar_Viscosity(double, double) { return 0.0; }
double Haar_Dielectric(double, double) { return 0.0; }
double Haar_SurfaceTension(double) { return 0.0; }

}  // namespace Globals
