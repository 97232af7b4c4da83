#include "app/ShowMessage.h"

#include "app/MessageIconRule.h"
#include "platform/MessageBox.h"
#include "platform/Module.h"
#include "platform/SdkValues.h"
#include "platform/StringTable.h"

// The host-compiled icon rule and outcomes use these values without the SDK.
static_assert(kMbOk == MB_OK && kMbOkCancel == MB_OKCANCEL && kMbYesNoCancel == MB_YESNOCANCEL &&
              kMbYesNo == MB_YESNO && kMbIconExclamation == MB_ICONEXCLAMATION &&
              kMbTypeMask == MB_TYPEMASK && kMbIconMask == MB_ICONMASK);
static_assert(kIdCancel == IDCANCEL && kIdNo == IDNO);

int ShowMessage(unsigned id, unsigned type) {
    const std::string text = LoadResourceString(GetModuleHandleA(nullptr), id);
    return AppMessageBox(text, GetApplicationName(), ApplyIconRule(type));
}
