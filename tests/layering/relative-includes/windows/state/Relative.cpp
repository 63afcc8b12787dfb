#include "../../eos/Globals.h"
