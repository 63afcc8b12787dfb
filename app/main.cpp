// Tarvo HGK: thermodynamic and transport properties of pure water from the
// Haar-Gallagher-Kell (1984) equation of state.
#include "app/Shell.h"

int main(int argc, char** argv) { return app::Run(argc, argv); }
