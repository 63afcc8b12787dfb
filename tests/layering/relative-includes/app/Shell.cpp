#include "../windows/state/Reaches.h"
#include "../eos/Globals.h"
#include "Written.h"
