#pragma once
#include "platform/Win.h"

// Looks for mimeType among the TYPE0, TYPE1, ... values of Navigator's open
// viewer table, from TYPE0 on. 0: a REG_SZ value already holds it (ASCII
// letters compared without case). 1: TYPEn cannot be read, and slotName holds
// "TYPEn", the slot to write. A value too long for the 256-byte buffer is
// taken as occupied and passed over, so it is never overwritten. The key
// stays open.
int FindTypeSlot(char (&slotName)[16], HKEY viewers, const char* mimeType);
