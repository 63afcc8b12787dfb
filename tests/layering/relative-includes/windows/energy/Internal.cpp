#include <windows/energy/../../thermo/internal/Branches.h>
