#include "windows/response/JouleWindow.h"

#include "catalogue/Pictures.h"
#include "windows/response/ResponseLayout.h"
#include "thermo/ResponseValues.h"

namespace {

using namespace response_windows;

constexpr ui::ControlLayout kBefore[] = {
    Text("Definition", "Definition Joule-Thomson Coefficient:\r", 20, 20, 305),
};

constexpr ui::ControlLayout kAfter[] = {
    Text("Result", "", 250, 540, 100),
    Text("StaticText11", "K/MPa", 360, 540, 65),
    Text("Textfunc", "Joule-Thomson Coefficient", 20, 540, 220),
    Picture("Canvas1", pictures::joule, 330, 20, 95, 52),
};

constexpr StatePointLayout kLayout{
    .window = {.className = JouleWindow::ClassName, .title = "Joule-Thomson Coefficient H2O",
               .width = 460, .height = 585, .placement = ui::Placement::Centred},
    .offset = -70,
    .clearLeft = 385,
    .clearTop = 95,
    .before = kBefore,
    .after = kAfter,
    .results = ResultSet,
};

}  // namespace

JouleWindow::JouleWindow() : ResponseWindow(kLayout, thermo::JouleThomsonCoefficient) {}
