#include "../phase/Phase.h"
