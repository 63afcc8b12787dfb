#include "Equation.inc"
