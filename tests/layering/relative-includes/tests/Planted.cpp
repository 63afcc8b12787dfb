// A test source, which may use every layer, compiled into a window library.
#include "../eos/Globals.h"
int planted() { return equation(); }
