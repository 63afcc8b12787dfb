#include "../statepoint/Shared.h"
#include "thermo/Public.h"
#include <vector>
