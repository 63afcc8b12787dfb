#include "Tables.inc"
#include "../eos/Globals.h"
