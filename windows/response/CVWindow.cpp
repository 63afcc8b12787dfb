#include "windows/response/CVWindow.h"

#include "catalogue/Pictures.h"
#include "windows/response/ResponseLayout.h"
#include "thermo/ResponseValues.h"

namespace {

using namespace response_windows;

constexpr ui::ControlLayout kBefore[] = {
    Text("Definition", "Definition Heat Capacity:\r", 20, 20, 200),
};

constexpr auto kAfter = HeatCapacityRow(530, std::array{
    Picture("Canvas1", pictures::cv, 230, 20, 114, 45),
});

constexpr StatePointLayout kLayout{
    .window = {.className = CVWindow::ClassName, .title = "Heat Capacity H2O (constant volume)",
               .width = 460, .height = 615, .placement = ui::Placement::Centred},
    .offset = -70,
    .before = kBefore,
    .after = kAfter,
    .results = ResultSet,
};

}  // namespace

CVWindow::CVWindow() : HeatCapacityWindow(kLayout, thermo::IsochoricHeatCapacity) {}
