#include "eos/Globals.h"
int main() { return 0; }
