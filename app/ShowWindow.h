// Opening a window: its shared instance, built on first use, shown and
// brought to the front.
#pragma once

#include "app/App.h"
#include "ui/Window.h"

namespace app {

template <class W>
void ShowShared() {
  W* window = ui::Shared<W>();
  if (window == nullptr) throw NilObjectException(W::ClassName);
  window->Show();
}

}  // namespace app
