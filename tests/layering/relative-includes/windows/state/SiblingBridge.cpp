#include "Sibling.hpp"
