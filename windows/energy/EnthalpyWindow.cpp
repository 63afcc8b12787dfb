#include "windows/energy/EnthalpyWindow.h"

#include "catalogue/Pictures.h"

namespace {

using energy_windows::EnergyUnits;
using energy_windows::ResultBlockControls;
using member_layout::Join;
using member_layout::Picture;
using member_layout::Text;
using ui::ControlLayout;

constexpr ControlLayout kBefore[] = {Text("Definition", "Definition Enthalpy:\r", 20, 20, 160)};

constexpr auto kResultBlock = ResultBlockControls(
    {.line = 530,
     .name = "Enthalpy",
     .energyTextWidth = 125,
     .triplePointLine = "reference state at triple point: H(liq) = 0",
     .refStateLine = "reference state at 25 ˚C and 0.1 MPa: H = -285831.8  J/mol\rCODATA key values: ΔfH° = -285.830 kJ/mol, S° = 69.95 J/(mol K)"},
    EnergyUnits);

constexpr std::array<ControlLayout, 1> kPictures{{
    Picture("Canvas1", pictures::enthalpy, 205, 25, 104, 43),
}};

constexpr auto kAfter = Join(kResultBlock, kPictures);

constexpr StatePointLayout kLayout{
    .window = {.className = EnthalpyWindow::ClassName,
               .title = "Enthalpy H2O",
               .width = 460, .height = 675, .placement = ui::Placement::Centred},
    .offset = -70,
    .before = kBefore,
    .after = kAfter,
    .results = energy_windows::ResultSet,
};

}  // namespace

EnthalpyWindow::EnthalpyWindow() : EnergyWindow(kLayout, thermo::EnthalpyScale, EnergyUnits) {}
