#include "pi/PiDecoder.h"
