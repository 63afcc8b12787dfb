#include "../eos/Globals.h"
