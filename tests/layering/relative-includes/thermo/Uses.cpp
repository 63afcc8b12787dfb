#include "Public.h"
