#include "windows/response/ViscosityWindow.h"

#include "catalogue/Pictures.h"
#include "windows/response/ResponseLayout.h"
#include "thermo/ResponseValues.h"

namespace {

using namespace response_windows;

constexpr ui::ControlLayout kBefore[] = {
    Text("Definition", "Definition Viscosity:", 20, 20, 165),
};

// The formulation gives Pa s; the window shows millionths of it.
constexpr ui::ControlLayout kAfter[] = {
    Text("Result", "", 120, 650, 100),
    Text("StaticText11", "µPa s", 230, 650, 65),
    Text("Textfunc", "Viscosity", 20, 650, 90),
    Picture("Canvas1", pictures::visco1, 50, 50, 349, 62),
    Picture("Canvas2", pictures::visco2, 50, 120, 253, 57),
};

constexpr StatePointLayout kLayout{
    .window = {.className = ViscosityWindow::ClassName, .title = "Viscosity H2O",
               .width = 460, .height = 695, .placement = ui::Placement::Centred},
    .offset = 40,
    .clearLeft = 385,
    .clearTop = 205,
    .before = kBefore,
    .after = kAfter,
    .results = ResultSet,
};

}  // namespace

ViscosityWindow::ViscosityWindow() : ResponseWindow(kLayout, thermo::Viscosity, 1000000.0) {}
