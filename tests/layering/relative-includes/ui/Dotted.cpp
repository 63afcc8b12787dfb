// A quoted include is looked up beside the file first.
#  include "./../eos/./Globals.h"
