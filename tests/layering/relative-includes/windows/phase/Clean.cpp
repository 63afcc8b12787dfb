#include "../statepoint/Shared.h"
