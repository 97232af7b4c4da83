#pragma once
#include "platform/RegKey.h"

enum class TypeSlot {
    Listed,  // a REG_SZ value TYPEn holds the type already
    Free,    // TYPEn cannot be read: slotName holds "TYPEn", the slot to write
};

// Looks for mimeType among the TYPE0, TYPE1, ... values of Navigator's open
// viewer table, from TYPE0 on, ASCII letters compared without case. A value
// too long for 256 bytes is taken as occupied and passed over, so it is never
// overwritten. The key stays open.
TypeSlot FindTypeSlot(char (&slotName)[16], const CRegKey& viewers, const char* mimeType);
