// The background-task call of the term loops, taken out of the loops when no
// hook is installed: a loop only yields to the hook, so with none installed
// at its start none can be installed while it runs, and the loop may run
// without looking for one at every pass.
//
// Internal to the eos library.
#pragma once

#include "eos/Globals.h"

namespace Globals {

// Calls body(yield), where yield() is RuntimeBackgroundTask when a hook is
// installed and does nothing otherwise, and returns what body returns.
template <class Body>
auto WithYield(Body&& body) {
  if (detail::backgroundTask == nullptr) return body([] {});
  return body([] { RuntimeBackgroundTask(); });
}

}  // namespace Globals
