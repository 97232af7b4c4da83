#include "app/MessageType.h"

namespace {

constexpr unsigned kIconMask = 0xF0;
constexpr unsigned kButtonMask = 0x0F;
constexpr unsigned kIconExclamation = 0x30;

constexpr unsigned kOk = 0, kOkCancel = 1, kYesNoCancel = 3, kYesNo = 4;

}  // namespace

unsigned ApplyIconRule(unsigned type) {
    if ((type & kIconMask) != 0) return type;
    switch (type & kButtonMask) {
    case kOk:
    case kOkCancel:
    case kYesNoCancel:
    case kYesNo:
        return type | kIconExclamation;
    default:
        return type;
    }
}
