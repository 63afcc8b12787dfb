#include "windows/energy/InternalEnergyWindow.h"

#include "catalogue/Pictures.h"

namespace {

using energy_windows::EnergyUnits;
using energy_windows::ResultBlockControls;
using member_layout::Join;
using member_layout::Picture;
using member_layout::Text;
using ui::ControlLayout;

constexpr ControlLayout kBefore[] = {Text("Definition", "Definition Energy", 20, 20, 146)};

// U = A + T S, with the entropy's definition under it; created before the
// result block.
constexpr std::array<ControlLayout, 2> kPictures{{
    Picture("Canvas1", pictures::Energy, 205, 25, 109, 19),
    Picture("Canvas2", pictures::entropy, 205, 60, 84, 42),
}};

constexpr auto kResultBlock = ResultBlockControls(
    {.line = 570,
     .name = "Internal Energy",
     .energyTextWidth = 125,
     .triplePointLine = "reference state at triple point: U(liq) = 0",
     .refStateLine = "reference state at 25 ˚C and 0.1 MPa: U = -285831.8  J/mol\rCODATA key values: ΔfH° = -285.830 kJ/mol, S° = 69.95 J/(mol K)",
     .refStateHeight = 32},
    EnergyUnits);

constexpr auto kAfter = Join(kPictures, kResultBlock);

constexpr StatePointLayout kLayout{
    .window = {.className = InternalEnergyWindow::ClassName,
               .title = "Internal Energy H2O",
               .width = 460, .height = 712, .placement = ui::Placement::Centred},
    .offset = -30,
    .before = kBefore,
    .after = kAfter,
    .results = energy_windows::ResultSet,
};

}  // namespace

InternalEnergyWindow::InternalEnergyWindow() : EnergyWindow(kLayout, thermo::InternalEnergyScale, EnergyUnits) {}
