#include "app/HelperApp.h"
#include "app/ShowMessage.h"
#include "download/ArchiverCommand.h"
#include "download/LaunchArchiver.h"
#include "platform/LeadByte.h"
#include "platform/RegKey.h"

#include <shellapi.h>

namespace {

constexpr char kArchiverCommandKey[] = "Ombrix\\Shell\\Open\\Command";
// The open command may be longer than a path: it carries arguments too.
constexpr DWORD kCommandBytes = 324;

}  // namespace

std::string GetArchiverPath() {
    // The default value as text, whatever its type, as RegQueryValueA reads it.
    CRegKey key;
    CRegText command;
    if (key.OpenEx(HKEY_CLASSES_ROOT, kArchiverCommandKey, KEY_QUERY_VALUE) != ERROR_SUCCESS ||
        key.QueryText(nullptr, kCommandBytes, command) != ERROR_SUCCESS) {
        return {};
    }
    std::string& text = command.m_strText;
    if (text.empty()) return {};
    // Folds letters beyond ASCII by the user's locale too.
    CharLowerA(&text[0]);
    return ArchiverPathFromCommand(text, IsAnsiLeadByte);
}

bool CHelperApp::LaunchArchiver(const std::string& file, const std::string& folder) {
    const std::string parameters = "\"" + file + "\"";
    const std::string archiver = GetArchiverPath();
    if (!archiver.empty()) {
        const HINSTANCE started =
            ShellExecuteA(nullptr, "open", WithoutUnmatchedQuote(archiver).c_str(),
                          parameters.c_str(), folder.c_str(), SW_SHOWNORMAL);
        if (reinterpret_cast<INT_PTR>(started) > 32) return true;
    }
    ShowMessage(IDP_LAUNCH_FAILED, MB_OK);
    return false;
}
