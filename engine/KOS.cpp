#include "engine/KOS.h"

#include "platform/Blattspeicher.h"

TKOS& KOS = Blatt_Speicher().Teil<TKOS>();
