// The speed-of-sound window: the speed of sound in water at the state
// point, in m/s.
#pragma once

#include "windows/response/ResponseWindow.h"

class SoundWindow : public ResponseWindow {
 public:
  static constexpr const char* ClassName = "SoundWindow.SoundWindow";
  SoundWindow();
};
