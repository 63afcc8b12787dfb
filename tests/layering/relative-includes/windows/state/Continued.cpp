#include \
"../../eos/Globals.h"
