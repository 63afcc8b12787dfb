// Every public function of the library returns a finite number: a result
// that overflows or is undefined becomes the failure value 0 at the
// function's boundary, where the caller sees it.
//
// Internal to the eos library.
#pragma once

#include <cmath>

namespace Globals {

inline double FiniteOrFailure(double x) { return std::isfinite(x) ? x : 0.0; }

}  // namespace Globals
