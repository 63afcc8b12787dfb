#include "app/Selection.h"

#include "app/App.h"
#include "app/ShowWindow.h"
#include "windows/energy/EnthalpyWindow.h"
#include "windows/energy/EntropyWindow.h"
#include "windows/energy/GibbsWindow.h"
#include "windows/energy/HelmholtzWindow.h"
#include "windows/energy/InternalEnergyWindow.h"
#include "windows/phase/BubbleDewPoint.h"
#include "windows/phase/FugacityWindow.h"
#include "windows/phase/LiquidVapourEq.h"
#include "windows/response/CPWindow.h"
#include "windows/response/CVWindow.h"
#include "windows/response/DielectricWindow.h"
#include "windows/response/JouleWindow.h"
#include "windows/response/SoundWindow.h"
#include "windows/response/ViscosityWindow.h"
#include "windows/state/PressuresWindow.h"
#include "windows/state/TemperatureWindow.h"
#include "windows/state/VolumeWindow.h"

namespace app {

namespace {

using ui::ControlLayout;
using ui::Kind;

constexpr ui::WindowLayout kWindow{
    .className = Selection::ClassName,
    .title = "Procedures",
    .width = 620,
    .height = 380,
    .placement = ui::Placement::Default,
};

// Every radio button of the chooser: 260 x 20, 14 pt, off, no handler.
constexpr ControlLayout Procedure(const char* name, const char* caption, int left, int top) {
  return {.kind = Kind::RadioButton, .name = name, .left = left, .top = top,
          .width = 260, .height = 20, .text = caption,
          .font = {.family = "system", .size = 14}, .value = false};
}

constexpr ControlLayout kControls[] = {
    {.kind = Kind::StaticText, .name = "StaticText1",
     .left = 20, .top = 20, .width = 200, .height = 22,
     .text = "Calculation procedure", .font = {.family = "system", .size = 18},
     .textAlign = ui::TextAlign::Left, .textColor = ui::Black, .multiline = false},
    {.kind = Kind::PushButton, .name = "PushButton1",
     .left = 510, .top = 320, .width = 75, .height = 25,
     .text = "continue", .font = {.family = "system", .size = 12}, .isDefault = true},
    Procedure("Enthalpy", " Relative enthalpy (H)", 40, 270),
    Procedure("Entropy", " Entropy (S)", 40, 300),
    Procedure("HelmholtzEnergy", " Relative Helmholtz energy (A)", 40, 330),
    Procedure("GibbsEnergy", " Relative Gibbs energy (G)", 335, 60),
    Procedure("MolarVolumes", " Molar Volumes", 40, 90),
    Procedure("Pressures", " Pressures", 40, 60),
    Procedure("Temperatures", " Temperatures", 40, 120),
    Procedure("Fugacities", " Fugacities", 40, 150),
    Procedure("Homogenisation", " Homogenization (saturation)", 40, 180),
    Procedure("InternalEnergy", " Relative internal energy (U)", 40, 240),
    Procedure("HeatCapacityV", " Heat Capacity (constant volume)", 335, 90),
    Procedure("HeatCapacityP", " Heat Capacity (constant pressure)", 335, 120),
    Procedure("SpeedSound", " Speed of Sound", 335, 150),
    Procedure("JouleThomson", " Joule-Thomson Coefficient", 335, 180),
    Procedure("Viscosity", " Viscosity", 335, 210),
    Procedure("Dielectric", " Static Relative Dielectric Constant", 335, 240),
    Procedure("LiquidVapour", " Liquid-Vapour Equilibrium", 40, 210),
};

// The procedures in the order "continue" tests them, each with the window
// it opens.
struct Choice {
  const char* radio;
  void (*open)();
};

const Choice kChoices[] = {
    {"MolarVolumes", &ShowShared<VolumeWindow>},
    {"Pressures", &ShowShared<PressuresWindow>},
    {"Temperatures", &ShowShared<TemperatureWindow>},
    {"Fugacities", &ShowShared<FugacityWindow>},
    {"Homogenisation", &ShowShared<BubbleDewPoint>},
    {"LiquidVapour", &ShowShared<LiquidVapourEq>},
    {"InternalEnergy", &ShowShared<InternalEnergyWindow>},
    {"Enthalpy", &ShowShared<EnthalpyWindow>},
    {"Entropy", &ShowShared<EntropyWindow>},
    {"HelmholtzEnergy", &ShowShared<HelmholtzWindow>},
    {"GibbsEnergy", &ShowShared<GibbsWindow>},
    {"HeatCapacityV", &ShowShared<CVWindow>},
    {"HeatCapacityP", &ShowShared<CPWindow>},
    {"SpeedSound", &ShowShared<SoundWindow>},
    {"JouleThomson", &ShowShared<JouleWindow>},
    {"Viscosity", &ShowShared<ViscosityWindow>},
    {"Dielectric", &ShowShared<DielectricWindow>},
};

}  // namespace

const ui::WindowLayout& Selection::Layout() const { return kWindow; }

std::span<const ControlLayout> Selection::Controls() const { return kControls; }

std::vector<ui::Handler> Selection::Handlers() {
  return {{.control = "PushButton1", .event = ui::Event::Action,
           .run = [this] { PushButton1_Action(); }}};
}

void Selection::PushButton1_Action() {
  // Seventeen independent tests in a fixed order; at most one radio is on.
  for (const Choice& choice : kChoices) {
    ui::RadioButton* radio = Radio(choice.radio);
    if (radio == nullptr) throw NilObjectException(std::string("Selection.") + choice.radio);
    if (radio->Value()) choice.open();
  }
}

}  // namespace app
