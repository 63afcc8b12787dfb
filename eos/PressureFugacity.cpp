#include "Globals.h"

namespace Globals {

double Haar_Pressure(double, double) { return 0.0; }
double Haar_Fugacity(double, double, double) { return 0.0; }

}  // namespace Globals
