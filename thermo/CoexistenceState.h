// One state of liquid and vapour at the same temperature and pressure: what
// the liquid-vapour equilibrium (Coexistence.h) answers and what the
// isotherm's branches are searched for.
#pragma once

namespace thermo {

// One state of liquid and vapour at the same T (K) and P (MPa): their molar
// volumes (cm3/mol) and fugacities (MPa).
struct Coexistence {
  double T = 0.0;
  double P = 0.0;
  double VL = 0.0;
  double VV = 0.0;
  double fL = 0.0;
  double fV = 0.0;
};

}  // namespace thermo
