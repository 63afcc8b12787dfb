#include "windows/phase/FugacityWindow.h"

#include "catalogue/Pictures.h"
#include "thermo/PhaseFigures.h"
#include "windows/statepoint/MemberLayout.h"

using ui::ControlLayout;

namespace {

using member_layout::Picture;
using member_layout::Text;

constexpr ControlLayout kOwn[] = {
    Text("Fugacity", "Fugacity", 30, 610, 180),
    Text("Coefficient", "Fugacity coefficient", 30, 640, 180),
    Text("FugacityResult", "", 210, 610, 120),
    Text("CoefficientResult", "", 210, 640, 120),
    Text("StaticText10", "MPa", 340, 610, 40),
    Text("Definition", "Definition Fugacity Coefficient:", 20, 20, 243),
    Picture("Canvas1", pictures::fugacitycoef, 30, 55, 245, 26),
    Picture("Canvas2", pictures::phiR, 30, 90, 115, 42),
    Picture("Canvas3", pictures::delta, 185, 90, 83, 43),
    Picture("Canvas4", pictures::phiRd, 310, 90, 111, 54),
};

constexpr const char* kResults[] = {"FugacityResult", "CoefficientResult"};

constexpr StatePointLayout kLayout{
    .window = {.className = FugacityWindow::ClassName, .title = "H2O Fugacities",
               .width = 460, .height = 685, .placement = ui::Placement::Centred},
    .offset = 0,
    .before = kOwn,
    .results = kResults,
};

}  // namespace

FugacityWindow::FugacityWindow() : StatePointWindow(kLayout) {}

void FugacityWindow::calculate_Action() {
  const auto s = CheckedStatePoint();
  if (!s) return;
  const thermo::Answer f = thermo::Fugacity(s->T, s->P, s->V);
  if (!f.HasFigure()) {
    ShowResults({QString(), QString()});
    ShowNoResult("FugacityResult", f.reason);
    return;
  }
  ShowResults({ui::Str(f.value), ui::Str(f.value / s->P)});
}
