// Keeps the layering, but is compiled by a target of the top folder.
#include "../statepoint/Shared.h"
