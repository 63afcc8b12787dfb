// The program-wide state point: the temperature, pressure and molar volume
// of one state of water, shared by the windows so that a state completed in
// one window can be used by "calculate" in another.
//
// It is written and read only whole, so it never holds the temperature of
// one state beside the molar volume of another. A variable that the writer
// does not know (a search without a root, nothing typed) is 0: the state
// point is then incomplete, and "calculate" refuses it. A complete state it
// holds is always one the calculators accept (thermo::StateRefusal): what
// a window computed beyond that range (the Pressures window's loop
// pressure, a molar volume below 15 cm3/mol) is shown there but not handed
// on. Incomplete states (T and P, P and V, T and V, V alone) are what the
// zero function listings and the isochore read.
//
// The calculation layer is single-threaded by design: the windows call it
// from the one GUI thread, and it writes program-wide state (this state
// point, and the equation's saturation arrays, which every saturation
// search fills). Its caches are kept per thread only so that a cache is
// never shared by mistake; calling the layer from two threads at once is
// not supported.
#pragma once

namespace thermo {

struct State {
  double T = 0.0;  // K
  double P = 0.0;  // MPa
  double V = 0.0;  // cm3/mol

  // Temperature, pressure and molar volume all known: above 0 and finite.
  bool Complete() const;
};

// The variable a writer computed from the other two, which it was given.
enum class Computed { None, T, P, V };

class StatePoint {
 public:
  // Replaces the whole state point. A variable that is not a finite number
  // above 0 is stored as 0 (unknown). A complete state that StateRefusal
  // refuses is stored without the variable the writer computed, so the
  // given ones are still handed on; one with nothing computed (all given)
  // is not stored: the state point is emptied. No events run during the
  // store, so a caller's check of its inputs just before still holds after.
  static void Set(double T, double P, double V, Computed computed = Computed::None);
  static void Set(const State& s, Computed computed = Computed::None) { Set(s.T, s.P, s.V, computed); }
  // All three variables unknown.
  static void Clear() { Set(0.0, 0.0, 0.0); }
  // The whole state point, as last set.
  static State Get() { return state_; }

 private:
  static inline State state_{};
};

}  // namespace thermo
