#include "app/Messages.h"

#include "app/MessageType.h"
#include "platform/MessageBox.h"
#include "platform/Module.h"
#include "platform/StringTable.h"

int ShowMessage(unsigned id, unsigned type) {
    const std::string text = LoadResourceString(GetModuleHandleA(nullptr), id);
    return AppMessageBox(text, GetApplicationName(), ApplyIconRule(type));
}
