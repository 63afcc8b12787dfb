#include "windows/energy/EntropyWindow.h"

#include "catalogue/Pictures.h"

namespace {

using energy_windows::EntropyUnits;
using energy_windows::ResultBlockControls;
using member_layout::Join;
using member_layout::Picture;
using member_layout::Text;
using ui::ControlLayout;

constexpr ControlLayout kBefore[] = {Text("Definition", "Definition Entropy:\r", 20, 20, 160)};

constexpr auto kResultBlock = ResultBlockControls(
    {.line = 530,
     .name = "Entropy",
     .energyTextWidth = 100,
     .triplePointLine = "reference state at triple point: S(liq) = 0",
     .refStateLine = "reference state at 25 ˚C and 0.1 MPa: S = 69.95  J/mol K\rCODATA key values: ΔfH° = -285.830 kJ/mol, S° = 69.95 J/(mol K)"},
    EntropyUnits);

constexpr std::array<ControlLayout, 1> kPictures{{
    Picture("Canvas1", pictures::entropy, 190, 25, 84, 42),
}};

constexpr auto kAfter = Join(kResultBlock, kPictures);

constexpr StatePointLayout kLayout{
    .window = {.className = EntropyWindow::ClassName,
               .title = "Entropy H2O",
               .width = 460, .height = 675, .placement = ui::Placement::Centred},
    .offset = -70,
    .before = kBefore,
    .after = kAfter,
    .results = energy_windows::ResultSet,
};

}  // namespace

EntropyWindow::EntropyWindow() : EnergyWindow(kLayout, thermo::EntropyScale, EntropyUnits) {}
