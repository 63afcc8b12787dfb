#define EQUATION "../../eos/Globals.h"
#include EQUATION
