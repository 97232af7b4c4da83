#include "platform/LeadByte.h"

#include "platform/Win.h"

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }
