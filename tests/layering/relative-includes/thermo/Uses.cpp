#include "Public.h"
#include "ThroughBuild.h"
