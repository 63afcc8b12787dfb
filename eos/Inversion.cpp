#include "Globals.h"

namespace Globals {

double Haar_Volume(double, double, double) { return 0.0; }
double Haar_Temperature(double, double, double) { return 0.0; }

}  // namespace Globals
