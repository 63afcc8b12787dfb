#include "../../thermo/Bridge.cpp"
