#include "app/Start.h"

#include <QEvent>

#include "app/MenuBar1.h"
#include "app/Selection.h"
#include "app/ShowWindow.h"
#include "catalogue/Pictures.h"

#ifndef TARVO_VERSION
#define TARVO_VERSION "0"
#endif

namespace app {

namespace {

using ui::ControlLayout;
using ui::Kind;

constexpr ui::WindowLayout kWindow{
    .className = Start::ClassName,
    .title = "Start",
    .width = 540,
    .height = 480,
    .placement = ui::Placement::Default,
};

constexpr ControlLayout kControls[] = {
    {.kind = Kind::StaticText, .name = "StaticText3",
     .left = 205, .top = 130, .width = 130, .height = 30,
     .text = "Tarvo HGK", .font = {.family = "System", .size = 24},
     .textAlign = ui::TextAlign::Left, .multiline = true},
    {.kind = Kind::StaticText, .name = "StaticText5",
     .left = 388, .top = 73, .width = 150, .height = 15,
     .text = "version " TARVO_VERSION, .font = {.family = "arial", .size = 12},
     .textAlign = ui::TextAlign::Left, .multiline = false},
    {.kind = Kind::Line, .name = "Line1",
     .left = 0, .top = 90, .width = 540, .height = 0,
     .x1 = 0, .y1 = 90, .x2 = 540, .y2 = 90, .borderWidth = 1, .lineColor = ui::Black},
    {.kind = Kind::ImageWell, .name = "ImageWell1",
     .left = 1, .top = 2, .width = 368, .height = 87, .picture = pictures::Logo10},
    {.kind = Kind::PushButton, .name = "continue1",
     .left = 445, .top = 435, .width = 75, .height = 25,
     .text = "continue", .font = {.family = "system", .size = 12}, .isDefault = true},
    {.kind = Kind::StaticText, .name = "StaticText2",
     .left = 143, .top = 165, .width = 255, .height = 25,
     .text = "Software Package Vorsel, v.2", .font = {.family = "system", .size = 18},
     .textAlign = ui::TextAlign::Centre, .multiline = false},
    {.kind = Kind::StaticText, .name = "StaticText8",
     .left = 20, .top = 210, .width = 500, .height = 40,
     .text = "L. Haar, J.S. Gallagher, G.S. Kell (1984) NBS/NRC Steam Tables. "
             "Hemisphere Publishing Corporation, Washington DC.",
     .font = {.family = "System", .size = 12}, .textAlign = ui::TextAlign::Left, .multiline = true},
    {.kind = Kind::StaticText, .name = "StaticText9",
     .left = 20, .top = 260, .width = 145, .height = 20,
     .text = "Fluid system: pure H2O", .font = {.family = "system", .size = 12},
     .textAlign = ui::TextAlign::Left, .multiline = false},
    {.kind = Kind::StaticText, .name = "StaticText10",
     .left = 20, .top = 295, .width = 476, .height = 20,
     .text = "Unified Helmholtz Energy Function:", .font = {.family = "system", .size = 12},
     .textAlign = ui::TextAlign::Left, .multiline = false},
    {.kind = Kind::StaticText, .name = "StaticText11",
     .left = 20, .top = 385, .width = 500, .height = 30,
     .text = "Limits:\r0 - 1000 \u02DAC (extended 260 - 2500 K), "
             "maximum 1500 MPa (extended to 3000 MPa)",
     .font = {.family = "system", .size = 12}, .textAlign = ui::TextAlign::Left, .multiline = true},
    {.kind = Kind::Canvas, .name = "Canvas1",
     .left = 75, .top = 330, .width = 383, .height = 28, .picture = pictures::helmholtz},
    {.kind = Kind::StaticText, .name = "StaticText6",
     .left = 400, .top = 0, .width = 135, .height = 35,
     .text = "Properties of water\rafter HGK (1984)", .font = {.family = "system", .size = 12},
     .textAlign = ui::TextAlign::Right, .multiline = true},
};

}  // namespace

Start::Start() = default;

Start::~Start() {
  // The menu bar is shared and outlives the window: it is released on its
  // own at shutdown, not with the window that shows it.
  if (MenuBar1* bar = MenuBar1::Existing(); bar != nullptr && isAncestorOf(bar)) {
    bar->hide();
    bar->setParent(nullptr);
  }
}

const ui::WindowLayout& Start::Layout() const { return kWindow; }

std::span<const ControlLayout> Start::Controls() const { return kControls; }

std::vector<ui::Handler> Start::Handlers() {
  return {{.control = "continue1", .event = ui::Event::Action, .run = [this] { continue1_Action(); }}};
}

QMenuBar* Start::MenuBar() const {
  MenuBar1* bar = MenuBar1::Existing();
  return bar != nullptr && isAncestorOf(bar) ? bar : nullptr;
}

bool Start::event(QEvent* e) {
  // The first showing happens at the end of the build, when every control
  // is in place: the menu bar goes on top of them then.
  if (e->type() == QEvent::Show && !menuBarPlaced_) PlaceMenuBar();
  return ui::Window::event(e);
}

void Start::PlaceMenuBar() {
  menuBarPlaced_ = true;
  // The content keeps its size and its layout's coordinates, below the bar,
  // which stays in view while the content scrolls.
  PlaceBarOnTop(MenuBar1::Shared());
}

void Start::continue1_Action() { ShowShared<Selection>(); }

}  // namespace app
