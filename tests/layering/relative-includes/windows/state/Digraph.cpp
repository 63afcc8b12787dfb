%:include "../../eos/Globals.h"
