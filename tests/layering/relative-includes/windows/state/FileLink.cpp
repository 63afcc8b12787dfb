#include "EquationLink.h"
