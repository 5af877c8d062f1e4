#include "engine/KOS.h"

TKOS KOS;
