#include "../../catalogue/Bridge.hpp"
