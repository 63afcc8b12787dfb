// Until the windows exist: a few properties of water at 25 ˚C and 0.1 MPa.
#include <cstdio>

#include "Globals.h"

int main() {
  const double T = 298.15;
  const double P = 0.1;
  const double V = Globals::Haar_Volume(T, P, 18.5);
  std::printf("Water at %.2f K and %.1f MPa\n", T, P);
  std::printf("  molar volume %.6g cm3/mol, density %.6g kg/m3\n", V,
              V > 0 ? 18015.28 / V : 0.0);
  std::printf("  fugacity %.6g MPa\n", Globals::Haar_Fugacity(T, P, V));
  return 0;
}
