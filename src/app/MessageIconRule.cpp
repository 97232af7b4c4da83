#include "app/MessageIconRule.h"

#include "platform/SdkValues.h"

unsigned ApplyIconRule(unsigned type) {
    if ((type & kMbIconMask) != 0) return type;
    switch (type & kMbTypeMask) {
    case kMbOk:
    case kMbOkCancel:
    case kMbYesNoCancel:
    case kMbYesNo:
        return type | kMbIconExclamation;
    default:
        return type;
    }
}
