#if __has_include("../../eos/Globals.h")
#  define EQUATION "../../eos/Globals.h"
#  include EQUATION
#endif
