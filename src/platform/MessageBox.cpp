#include "platform/MessageBox.h"

int AppMessageBox(const std::string& text, const std::string& caption, UINT type) {
    HWND owner = GetActiveWindow();
    if (owner != nullptr) owner = GetLastActivePopup(owner);
    return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}
