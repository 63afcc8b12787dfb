#include "windows/response/SoundWindow.h"

#include "catalogue/Pictures.h"
#include "windows/response/ResponseLayout.h"
#include "thermo/ResponseValues.h"

namespace {

using namespace response_windows;

constexpr ui::ControlLayout kBefore[] = {
    Text("Definition", "Definition Speed of Sound:\r", 20, 20, 210),
};

constexpr ui::ControlLayout kAfter[] = {
    Text("Result", "", 160, 540, 100),
    Text("StaticText11", "m/s", 270, 540, 65),
    Text("Textfunc", "Speed of Sound", 20, 540, 125),
    Picture("Canvas1", pictures::sound, 240, 20, 120, 53),
};

constexpr StatePointLayout kLayout{
    .window = {.className = SoundWindow::ClassName, .title = "Speed of Sound H2O",
               .width = 460, .height = 585, .placement = ui::Placement::Centred},
    .offset = -70,
    .before = kBefore,
    .after = kAfter,
    .results = ResultSet,
};

}  // namespace

SoundWindow::SoundWindow() : ResponseWindow(kLayout, thermo::SpeedOfSound) {}
