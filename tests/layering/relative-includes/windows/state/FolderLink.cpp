#include "equation/Globals.h"
