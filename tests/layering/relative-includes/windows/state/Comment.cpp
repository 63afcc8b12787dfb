#include /*x*/ "../../eos/Globals.h"
