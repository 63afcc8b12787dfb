// The start window: the program's name, the equation of state with its
// reference, the fluid system, the Helmholtz function and the limits, the
// menu bar, and "continue" to the procedure chooser.
#pragma once

#include <QMenuBar>

#include <span>
#include <vector>

#include "ui/Window.h"

namespace app {

class Start : public ui::Window {
 public:
  static constexpr const char* ClassName = "Start.Start";

  Start();
  ~Start() override;

  // The menu bar shown above the window's content (MenuBar1), or nullptr
  // once it has been released.
  QMenuBar* MenuBar() const;

 protected:
  const ui::WindowLayout& Layout() const override;
  std::span<const ui::ControlLayout> Controls() const override;
  std::vector<ui::Handler> Handlers() override;
  bool event(QEvent* e) override;

 private:
  void continue1_Action();
  void PlaceMenuBar();

  bool menuBarPlaced_ = false;
};

}  // namespace app
