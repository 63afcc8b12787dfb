#include "windows/energy/HelmholtzWindow.h"

#include "catalogue/Pictures.h"

namespace {

using energy_windows::EnergyUnits;
using energy_windows::ResultBlockControls;
using member_layout::Join;
using member_layout::Picture;
using member_layout::Text;
using ui::ControlLayout;

constexpr ControlLayout kBefore[] = {Text("Definition", "Definition Helmholtz Energy:\r", 20, 20, 243)};

constexpr auto kResultBlock = ResultBlockControls(
    {.line = 550,
     .name = "Helmholtz Energy",
     .energyTextWidth = 145,
     .triplePointLine = "reference state at triple point: A(liq) = 0",
     .refStateLine = "reference state at 25 ˚C and 0.1 MPa: A = -306688.0  J/mol\rCODATA key values: ΔfH° = -285.830 kJ/mol, S° = 69.95 J/(mol K)"},
    EnergyUnits);

constexpr std::array<ControlLayout, 1> kPictures{{
    Picture("Canvas1", pictures::helmholtz, 30, 50, 383, 28),
}};

constexpr auto kAfter = Join(kResultBlock, kPictures);

constexpr StatePointLayout kLayout{
    .window = {.className = HelmholtzWindow::ClassName,
               .title = "Helmholtz Energy H2O",
               .width = 460, .height = 695, .placement = ui::Placement::Centred},
    .offset = -50,
    .clearLeft = 385,
    .clearTop = 95,
    .before = kBefore,
    .after = kAfter,
    .results = energy_windows::ResultSet,
};

}  // namespace

HelmholtzWindow::HelmholtzWindow() : EnergyWindow(kLayout, thermo::HelmholtzScale, EnergyUnits) {}
