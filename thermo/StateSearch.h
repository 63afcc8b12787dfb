// The state searches of the windows: the state step's molar volume (from
// T and P) and pressure (from T and V), the Molar Volume and Temperatures
// windows' searches from their first approach, and the pressure the
// Pressures window shows. Each gives a figure or the reason there is none.
//
// A volume search from T and P (the state step's, and the automatic first
// approach's) whose start leads to no root that is a state of water is
// taken up from other starts and then bracketed along the isotherm: it finds
// no molar volume only where the isotherm has no stable root at P. Where its
// start leads to a state of water of the stable phase, that root is the
// answer as it is.
//
// A state of water is mechanically stable: its pressure falls as its
// volume grows, M (dP/drho)_T > 0. A root inside the equation's loop, where
// the pressure rises with the volume, is no state of water and gives no
// figure; a metastable state (between the saturated volume and the
// spinodal, where the pressure still falls with the volume) is one. Nor is
// a root between the liquid and the vapour spinodal (see StateRefusal): the
// volume searches from T and P take it up from other starts as they do an
// unstable one.
//
// A molar volume or temperature these searches give is their root refined
// to the last bits on its own stretch of the isotherm or isochore: the
// equation gives the asked pressure back there to 1e-9 of it, or as closely
// as its own rounding allows where that is coarser (the dense liquid at low
// pressures; docs/behaviour.md says where), so a state handed on gives
// another window's own step the digits it shows.
#pragma once

#include <optional>

#include "thermo/Reason.h"
#include "thermo/StateValues.h"

namespace thermo {

// The equation's extended range: pressures up to 3000 MPa; caloric figures
// (energies, entropy, heat capacities, speed of sound, Joule-Thomson
// coefficient) up to 3000 K, above which its ideal-gas part no longer
// describes water.
inline constexpr double MaxPressure = 3000.0;     // MPa
inline constexpr double MaxCaloricTemp = 3000.0;  // K

// The lowest pressure of a state: 1e-30 MPa (1e-24 Pa), orders of magnitude
// below the best laboratory vacuum and the thin gas between the galaxies,
// so it leaves out no state of water. Down to it the vapour's molar volume
// (at most about 4e34 cm3/mol) is an ordinary double, and the volume search
// finds it at every temperature of the equation's window to the precision
// of a search at ordinary pressures; below it the volume R T / P soon
// leaves the doubles (4.9e-324 MPa has none). Both state steps, and the
// volume searches of the Molar Volume window, apply it, so that a state one
// step gives, the other gives back.
inline constexpr double MinPressure = 1e-30;  // MPa

// The states of water a calculator gives figures for, and the only complete
// states the program-wide state point hands on: from 260 K and inside the
// equation's temperature window, from 15 cm3/mol, a pressure from 1e-30
// MPa up to 3000 MPa, and outside the two-phase region: mechanically stable
// and, below the critical temperature, on the isotherm's liquid or vapour
// branch, not between its liquid and vapour spinodal (where the equation
// has stretches of falling pressure that are no phase of water).
// Reason::None for an accepted state, else the first rule it breaks. The
// caloric limit of 3000 K is the caloric figures' own.
Reason StateRefusal(double T, double P, double V);

// Why the equation gives no value at (T, V) of a state: its temperature
// outside the states' range (below 260 K, above the equation's window), or
// no value there for another reason.
Reason NoValueReason(double T);

// The pressure the Pressures window and the isochore show for (T, V): the
// equation's own, also inside its loop; none below 15 cm3/mol, below 260 K
// or where the equation gives none (outside its temperature window, above
// about 5070 ˚C).
Answer PressureOfState(double T, double V);

// The state step from T and V: the pressure of PressureOfState where
// StateRefusal accepts the state it completes (so none inside the two-phase
// region, above 3000 MPa, below 1e-30 MPa or not above 0), else none with
// that reason.
Answer StateStepPressure(double T, double V);

// The state step from T and P: the molar volume from the state step's
// search start, none above 3000 MPa, below 1e-30 MPa or outside the
// states' temperature range (from 260 K to the top of the equation's
// window), and none (with the reason) where StateRefusal refuses the state
// found, a molar volume below 15 cm3/mol, say. From the triple point up to
// the equation's critical temperature the root is the phase that is stable
// by the equation's own equilibrium at T: the liquid above its saturation
// pressure, the vapour below (below the triple point, the vapour below the
// triple-point pressure).
Answer StateStepVolume(double T, double P);

// Where the state step's volume search at T (K) and P (MPa) starts, in
// cm3/mol: below 647.067 K the saturated liquid volume less 0.2 where the
// saturation pressure is below P, else the saturated vapour volume plus
// 0.2; from 647.067 K up a fixed 54.136030627024624. Below 273.16 K, where
// the saturation curve has no volumes, 18 at and above the triple-point
// pressure 0.000611657 MPa and the ideal-gas volume R T / P below it.
double VolumeSearchStart(double T, double P);

// The first approach of the Molar Volume and Temperatures windows.
enum class Approach { None, Automatic, Manual };

// The Molar Volume window: the molar volume at T and P from the chosen
// start. Automatic starts 1 cm3/mol inside the saturated volume of the side
// the auxiliary saturation pressure puts P on, from the ideal gas above
// 647.073 K, and below 273.16 K as the state step does; its root is the
// stable phase as in StateStepVolume. A manual start gives the root it
// leads to, metastable or stable; a root between the liquid and vapour
// spinodals, which is no volume of water, is refused: as the root of this
// first approach where the automatic one gives a volume, else as two-phase.
Answer VolumeFromApproach(double T, double P, Approach approach, double manualStart);

// The Temperatures window: the temperature at which the equation gives P at
// V, from the chosen start. Automatic starts at 800 K above 22.064 MPa,
// else at the auxiliary saturation temperature, 1 K below it for a volume
// below the saturated liquid and 1 K above it for one above the saturated
// vapour. None below 15 cm3/mol, above 3000 MPa or below 1e-30 MPa. The
// answer is the root the search reaches from its start, refined, where that
// is an answer (a temperature from 260 K to the top of the equation's
// window, of a state StateRefusal accepts, that gives P back; the one test
// is detail::IsAnswer), else the isochore's answer nearest the start,
// whatever the start. Where the isochore has none, no first approach gives
// one: none, with the reason its roots are refused (two-phase from 260 K
// up, or only below 260 K), or that no temperature of that range gives P
// at V.
Answer TemperatureFromApproach(double P, double V, Approach approach, double manualStart);

// The zero function of the searches above at T (K), V (cm3/mol) and P
// (MPa): the equation's pressure at (T, V) less P, whose change of sign
// brackets a root. None where the equation gives no pressure (outside its
// temperature window, below its covolume, T or V not above 0); unlike
// PressureOfState, no range of the windows limits it.
std::optional<double> ZeroFunction(double T, double V, double P);

}  // namespace thermo
