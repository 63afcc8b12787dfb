#include "Written.h"
