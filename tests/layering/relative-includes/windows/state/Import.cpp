#import "../../eos/Globals.h"
