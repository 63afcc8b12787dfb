#include "Globals.h"
