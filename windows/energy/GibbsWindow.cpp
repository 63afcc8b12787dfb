#include "windows/energy/GibbsWindow.h"

#include "catalogue/Pictures.h"

namespace {

using energy_windows::EnergyUnits;
using energy_windows::ResultBlockControls;
using member_layout::Join;
using member_layout::Picture;
using member_layout::Text;
using ui::ControlLayout;

constexpr ControlLayout kBefore[] = {Text("Definition", "Definition Gibbs Energy:\r", 20, 20, 243)};

constexpr auto kResultBlock = ResultBlockControls(
    {.line = 530,
     .name = "Gibbs Energy",
     .energyTextWidth = 145,
     .triplePointLine = "reference state at triple point: G(liq) = 0.01102",
     .refStateLine = "reference state at 25 ˚C and 0.1 MPa: G = -306686.2  J/mol\rCODATA key values: ΔfH° = -285.830 kJ/mol, S° = 69.95 J/(mol K)"},
    EnergyUnits);

constexpr std::array<ControlLayout, 1> kPictures{{
    Picture("Canvas1", pictures::gibbs, 230, 25, 110, 43),
}};

constexpr auto kAfter = Join(kResultBlock, kPictures);

constexpr StatePointLayout kLayout{
    .window = {.className = GibbsWindow::ClassName,
               .title = "Gibbs EnergyH2O",
               .width = 460, .height = 675, .placement = ui::Placement::Centred},
    .offset = -70,
    .clearLeft = 385,
    .clearTop = 20,
    .before = kBefore,
    .after = kAfter,
    .results = energy_windows::ResultSet,
};

}  // namespace

GibbsWindow::GibbsWindow() : EnergyWindow(kLayout, thermo::GibbsScale, EnergyUnits) {}
