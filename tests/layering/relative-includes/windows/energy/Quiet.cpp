// Compiled with the compiler's dependency output turned off.
#include "../../eos/Globals.h"
