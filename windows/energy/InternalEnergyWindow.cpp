#include "windows/energy/InternalEnergyWindow.h"

#include "catalogue/Pictures.h"
#include "eos/Globals.h"

namespace {

using energy_windows::EnergyUnits;
using energy_windows::Join;
using energy_windows::ResultBlockControls;
using ui::ControlSpec;
using ui::Kind;

constexpr energy_windows::EnergyFunction kFunction{
    .F = Globals::Haar_Energy,
    .TriplePointZero = energy_windows::TriplePointEnergy,
    .ZeroEntropy = 0.0,
    .RefStateOffset = 251730.1034,
    .units = &EnergyUnits,
};

constexpr ControlSpec kBefore[] = {energy_windows::Definition("Definition Energy", 146)};

// U = A + T S, with the entropy's definition under it; created before the
// result block.
constexpr std::array<ControlSpec, 2> kPictures{{
    {.kind = Kind::Canvas, .name = "Canvas1", .left = 205, .top = 25, .width = 109, .height = 19,
     .picture = pictures::Energy},
    {.kind = Kind::Canvas, .name = "Canvas2", .left = 205, .top = 60, .width = 84, .height = 42,
     .picture = pictures::entropy},
}};

constexpr auto kResultBlock = ResultBlockControls(
    {.line = 570,
     .name = "Internal Energy",
     .energyTextWidth = 125,
     .triplePointLine = "reference state at triple point: U(liq) = 0",
     .refStateLine = "reference state at 25 ˚C and 0.1 MPa: U = -285831.8  J/mol\rZazev et al. (1979)",
     .refStateHeight = 32},
    EnergyUnits);

constexpr auto kAfter = Join(kPictures, kResultBlock);

constexpr StatePointLayout kLayout{
    .window = {.className = InternalEnergyWindow::ClassName,
               .title = "Internal Energy H2O",
               .width = 460, .height = 712, .placement = 2},
    .offset = -30,
    .before = kBefore,
    .after = kAfter,
    .results = energy_windows::ResultSet,
};

}  // namespace

InternalEnergyWindow::InternalEnergyWindow() : EnergyWindow(kLayout, kFunction) {}
