// The water equation of state: the Haar-Gallagher-Kell (1984) Helmholtz
// function of the NBS/NRC Steam Tables, the IAPWS (1992) auxiliary equations
// of the saturation curve, and the IAPS formulations of viscosity, static
// dielectric constant and surface tension.
//
// Free functions on doubles. Units everywhere: T in K, P in MPa, molar
// volume V in cm3/mol, energies in J/mol, entropy and heat capacities in
// J/(mol K). Every function returns exactly 0 for an argument out of its
// range or a search that does not converge (the failure value); callers test
// for a result above 0. Three exceptions: Haar_Fugacity returns P itself when
// T, V or P is not above 0; SaturationT returns a temperature below 273.16 K
// for a pressure below the triple-point pressure; Function_LV returns a value
// that is not a number when it finds no root on the required side.
//
// Every result is a finite number: where a value would overflow or be
// undefined (extreme arguments such as V = 1e-160 or T = inf) the function
// returns 0 instead, Function_LV's failure excepted; Haar_Fugacity returns 0
// for a P that is not finite. Haar_Volume and Haar_Temperature return only a
// root of the asked pressure inside the equation's temperature window (about
// 200.6 to 5344.8 K) and above the covolume of its base part (about 4.2
// cm3/mol and less is no state of water): a point where Haar_Pressure gives
// the pressure to 1e-6 relative (or 1e-9 MPa for tiny pressures), or, where
// the isotherm or isochore is so steep that a converged point misses a tiny
// pressure by more, a point where P - Haar_Pressure changes sign within 1e-9
// relative of it on either side. Any other end of the search is a failure. SaturationT returns 0 above the critical pressure 22.064 MPa.
//
// The library has no GUI dependency. Its long loops call the background-task
// hook once per pass; the application installs a hook that lets its event
// loop run, and with no hook installed a call costs one branch.
#pragma once

#include <array>

namespace Globals {

// ---------------------------------------------------------------- constants

inline constexpr double MolarMassH2O = 18.01528;         // g/mol
inline constexpr double GasConstantR = 8.314472;         // J/(mol K)
// R' = 10 R / M in bar cm3/(g K): the base function works in bar and g/cm3.
inline constexpr double SpecificGasConstant = 4.6152332908508775;
inline constexpr double CelsiusOffset = 273.15;          // K
inline constexpr double TriplePointTemp = 273.16;        // K
inline constexpr double TriplePointPres = 0.000611657;   // MPa, of the saturation curve
// A temperature typed in degrees Celsius arrives as 0.01 + 273.15, which is
// 273.15999999999997 in double arithmetic; temperatures this close below the
// triple point are taken as the triple point itself.
inline constexpr double TripleTolerance = 1e-9;          // K
inline constexpr double CritTempHaar = 647.073;          // K, reducing temperature of the equation
inline constexpr double CritTempGuess = 647.067;         // K, below it volume searches start saturated
inline constexpr double CritTempSat = 647.096;           // K, saturation curve
inline constexpr double CritPresSat = 22.064;            // MPa, saturation curve
inline constexpr double CritDensSat = 322.0;             // kg/m3, saturation curve
inline constexpr double CritMolarVol = 55.948075;        // cm3/mol, divides liquid from vapour roots
inline constexpr double MinMolarVol = 15.0;              // cm3/mol, lowest volume the windows accept
inline constexpr double MinTempKelvin = 260.0;           // K, lowest temperature the windows accept
inline constexpr double MaxExpArgument = 227.0;          // larger exponents are not evaluated

// ----------------------------------------------------------------- selectors

// The quantity chosen from each part of the Helmholtz function. Any other
// integer is accepted and yields 0.
namespace Haar_Quantity {
inline constexpr int Pressure = 0;          // MPa
inline constexpr int ReducedHelmholtz = 1;  // dimensionless, departure / RT
inline constexpr int Helmholtz = 2;         // J/mol
inline constexpr int Entropy = 3;           // J/(mol K)
inline constexpr int Energy = 4;            // J/mol
inline constexpr int Enthalpy = 5;          // J/mol
inline constexpr int Gibbs = 6;             // J/mol
inline constexpr int Cv = 7;                // J/(mol K)
inline constexpr int dPdRho = 100;          // M (dP/drho)_T, MPa cm3/mol
inline constexpr int dPdT = 101;            // (dP/dT)_rho, MPa/K
}  // namespace Haar_Quantity

// Which phase SaturationV answers for.
namespace SaturationPhase {
inline constexpr int Vapour = 0;
inline constexpr int Liquid = 1;
}  // namespace SaturationPhase

// Which variable Function_LV moves when a root lands on the wrong side.
namespace NudgeVariable {
inline constexpr int Pressure = 0;
inline constexpr int Temperature = 1;
}  // namespace NudgeVariable

// ------------------------------------------------------------- shared state

// The saturation arrays: index 0 liquid, 1 vapour (elements 2-6 unused).
// Function_LV fills them with the roots and fugacities of each evaluation
// (after a failed one, the roots last tried: no answer). The calculation
// layer reads them: it copies them after each evaluation of its saturation
// search, and writes there the equilibrium it answers with.
inline std::array<double, 7> MolarVolumes{};  // cm3/mol
inline std::array<double, 7> Fugacity{};      // MPa

// Start-up creates the arrays (Fugacity, then MolarVolumes) and shutdown
// releases them in the same order; here both mean "set every element to 0",
// so the arrays can never be missing when the calculation layer reads them.
void InitSaturationArrays();
void ExitSaturationArrays();

// ---------------------------------------------------------- background task

using BackgroundTaskHook = void (*)();
void SetBackgroundTask(BackgroundTaskHook hook);  // nullptr removes the hook
namespace detail {
inline BackgroundTaskHook backgroundTask = nullptr;
}
// The hook installed now, or nullptr.
inline BackgroundTaskHook CurrentBackgroundTask() { return detail::backgroundTask; }
// Called once per pass by every long loop of the module.
inline void RuntimeBackgroundTask() {
  if (detail::backgroundTask != nullptr) detail::backgroundTask();
}

// For the life of the scope no loop calls the hook, so no handler runs in
// the middle of the work done there (the writing of state that handlers
// read, a check and the write that must follow it unseen); the hook that
// was installed is put back however the scope ends, an exception included.
class BackgroundTaskPause {
 public:
  BackgroundTaskPause() : saved_(detail::backgroundTask) { SetBackgroundTask(nullptr); }
  ~BackgroundTaskPause() { SetBackgroundTask(saved_); }
  BackgroundTaskPause(const BackgroundTaskPause&) = delete;
  BackgroundTaskPause& operator=(const BackgroundTaskPause&) = delete;

 private:
  BackgroundTaskHook saved_;
};

// ------------------------------------------------------ the Helmholtz parts

double Haar_Base(int sel, double T, double V);
// Whether T lies inside the temperature window of the base part,
// 0.31 < T / 647.073 K < 8.26 (about 200.6 to 5344.8 K), outside which
// every property of the equation is its failure value.
bool Haar_InTemperatureWindow(double T);
// The lowest and the highest temperature (K) inside that window: the first
// and the last double it holds.
double Haar_LowestWindowTemperature();
double Haar_HighestWindowTemperature();
double Haar_Residual(int sel, double T, double V);
double Haar_Ideal(int sel, double T);

// ------------------------------------------------------- pressure, fugacity

double Haar_Pressure(double T, double V);
double Haar_Fugacity(double T, double P, double V);

// ------------------------------------------------------------- inversions

double Haar_Volume(double T, double P, double Vstart);
double Haar_Temperature(double P, double V, double Tstart);

// ------------------------------------------------- caloric and derived

double Haar_Helmholtz(double T, double V);
double Haar_Entropy(double T, double V);
double Haar_Energy(double T, double V);
double Haar_Enthalpy(double T, double V);
// G = A + P V, with P the equation's own pressure at (T, V).
double Haar_Gibbs(double T, double V);
double Haar_Cv(double T, double V);
double Haar_Cp(double T, double V);
double Haar_Sound(double T, double V);
double Haar_JouleThomson(double T, double V);

// The two pressure derivatives of the base and residual parts at one state:
// M (dP/drho)_T = -V^2 (dP/dV)_T in MPa cm3/mol, and (dP/dT)_rho in MPa/K.
// A state with M (dP/drho)_T not above 0 is mechanically unstable (the
// pressure does not fall as the volume grows): no state of water.
double Haar_dPdRho(double T, double V);
double Haar_dPdT(double T, double V);

// ------------------------------------- transport and interfacial properties

double Haar_Viscosity(double T, double V);     // Pa s
double Haar_Dielectric(double T, double V);    // 1
double Haar_SurfaceTension(double T);          // N/m

// --------------------------------------------------------- saturation curve

double SaturationP(double T);
double SaturationV(int phase, double T);
double SaturationT(double P);
double SaturationTV(double V);

// ------------------------------------- liquid-minus-vapour fugacity function

// Liquid fugacity minus vapour fugacity at T and P (MPa); 0 when T or P is
// not above 0; not a number when no liquid-like or vapour-like root is found
// within the bounded retries.
double Function_LV(int nudge, double T, double P);

}  // namespace Globals
