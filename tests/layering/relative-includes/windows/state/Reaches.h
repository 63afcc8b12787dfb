// A window header that reaches the equation through a macro.
#define EQUATION "../../eos/Globals.h"
#include EQUATION
