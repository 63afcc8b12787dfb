#include "windows/phase/BubbleDewPoint.h"
int main() { return 0; }
