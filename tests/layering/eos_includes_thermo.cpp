#include "thermo/StatePoint.h"
int main() { return 0; }
