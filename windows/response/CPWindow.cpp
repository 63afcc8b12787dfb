#include "windows/response/CPWindow.h"

#include "catalogue/Pictures.h"
#include "windows/response/ResponseLayout.h"
#include "thermo/ResponseValues.h"

namespace {

using namespace response_windows;

constexpr ui::ControlLayout kBefore[] = {
    Text("Definition", "Definition Heat Capacity:\r", 20, 20, 200),
};

// The definition of Cp beside the heading, the two pressure derivatives it
// uses under it.
constexpr auto kAfter = HeatCapacityRow(605, std::array{
    Picture("Canvas1", pictures::cp, 230, 20, 196, 53),
    Picture("Canvas2", pictures::dpdr, 90, 90, 165, 48),
    Picture("Canvas3", pictures::dpdT, 295, 90, 124, 48),
});

constexpr StatePointLayout kLayout{
    .window = {.className = CPWindow::ClassName, .title = "Heat Capacity H2O (constant pressure)",
               .width = 460, .height = 690, .placement = ui::Placement::Centred},
    .offset = 5,
    .clearLeft = 385,
    .clearTop = 155,
    .before = kBefore,
    .after = kAfter,
    .results = ResultSet,
};

}  // namespace

CPWindow::CPWindow() : HeatCapacityWindow(kLayout, thermo::IsobaricHeatCapacity) {}
