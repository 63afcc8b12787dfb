// Compiled with no record of what it opened.
#include "../../eos/Globals.h"
