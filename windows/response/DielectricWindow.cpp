#include "windows/response/DielectricWindow.h"

#include "catalogue/Pictures.h"
#include "windows/response/ResponseLayout.h"
#include "thermo/ResponseValues.h"

namespace {

using namespace response_windows;

constexpr ui::ControlLayout kBefore[] = {
    Text("Definition", "Definition Static rel. Dielectric Constant:", 20, 20, 322),
};

// A pure number: no unit label follows the result.
constexpr ui::ControlLayout kAfter[] = {
    Text("Result", "", 260, 630, 100),
    Text("Textfunc", "Static rel. Dielectric Constant", 20, 630, 235),
    Picture("Canvas1", pictures::dielect, 40, 50, 392, 96),
};

constexpr StatePointLayout kLayout{
    .window = {.className = DielectricWindow::ClassName,
               .title = "Static Relative Dielectric Constant H2O",
               .width = 460, .height = 675, .placement = ui::Placement::Centred},
    .offset = 20,
    .clearLeft = 385,
    .clearTop = 185,
    .before = kBefore,
    .after = kAfter,
    .results = ResultSet,
};

}  // namespace

DielectricWindow::DielectricWindow() : ResponseWindow(kLayout, thermo::DielectricConstant) {}
