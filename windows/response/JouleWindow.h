// The Joule-Thomson window: the Joule-Thomson coefficient (dT/dP)_H of water
// at the state point, in K/MPa.
#pragma once

#include "windows/response/ResponseWindow.h"

class JouleWindow : public ResponseWindow {
 public:
  static constexpr const char* ClassName = "JouleWindow.JouleWindow";
  JouleWindow();
};
