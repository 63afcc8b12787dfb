#define PATH(x) #x
#include PATH(../../eos/Globals.h)
