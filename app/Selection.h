// The procedure chooser: seventeen radio buttons, one per calculation
// procedure, and "continue", which opens the window of the one that is on.
#pragma once

#include <span>
#include <vector>

#include "ui/Window.h"

namespace app {

class Selection : public ui::Window {
 public:
  static constexpr const char* ClassName = "Selection.Selection";

 protected:
  const ui::WindowLayout& Layout() const override;
  std::span<const ui::ControlLayout> Controls() const override;
  std::vector<ui::Handler> Handlers() override;

 private:
  void PushButton1_Action();
};

}  // namespace app
