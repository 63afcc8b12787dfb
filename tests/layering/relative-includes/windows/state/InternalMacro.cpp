#define INTERNAL "../../thermo/internal/Branches.h"
#include INTERNAL
