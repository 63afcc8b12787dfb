#include "Globals.h"

namespace Globals {

double Haar_Helmholtz(double, double) { return 0.0; }
double Haar_Entropy(double, double) { return 0.0; }
double Haar_Energy(double, double) { return 0.0; }
double Haar_Enthalpy(double, double) { return 0.0; }
double Haar_Cv(double, double) { return 0.0; }
double Haar_Cp(double, double) { return 0.0; }
double Haar_Sound(double, double) { return 0.0; }
double Haar_JouleThomson(double, double) { return 0.0; }

}  // namespace Globals
