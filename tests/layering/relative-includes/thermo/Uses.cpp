#include "Public.h"
#include "ThroughBuild.h"
#include "Tables.hpp"
