#include "thermo/internal/IsothermBranches.h"
int main() { return 0; }
