#include "app/HelperApp.h"
#include "app/Messages.h"
#include "download/Archiver.h"
#include "download/ArchiverCommand.h"
#include "platform/Module.h"

#include <shellapi.h>

namespace {

constexpr char kArchiverCommandKey[] = "Ombrix\\Shell\\Open\\Command";
// The open command may be longer than a path: it carries arguments too.
constexpr LONG kCommandBufferSize = 324;

}  // namespace

std::string GetArchiverPath() {
    std::string command;
    {
        char buffer[kCommandBufferSize] = {};
        LONG size = kCommandBufferSize;
        if (RegQueryValueA(HKEY_CLASSES_ROOT, kArchiverCommandKey, buffer, &size) != ERROR_SUCCESS) {
            return {};
        }
        buffer[kCommandBufferSize - 1] = '\0';
        command = buffer;
    }
    if (command.empty()) return {};
    // Folds letters beyond ASCII by the user's locale too.
    CharLowerA(&command[0]);
    return ArchiverPathFromCommand(command, IsAnsiLeadByte);
}

int CHelperApp::LaunchArchiver(const std::string& file, const std::string& folder) {
    const std::string parameters = "\"" + file + "\"";
    const std::string archiver = GetArchiverPath();
    if (!archiver.empty()) {
        const HINSTANCE started =
            ShellExecuteA(nullptr, "open", WithoutUnmatchedQuote(archiver).c_str(),
                          parameters.c_str(), folder.c_str(), SW_SHOWNORMAL);
        if (reinterpret_cast<INT_PTR>(started) > 32) return 1;
    }
    ShowMessage(IDP_LAUNCH_FAILED, MB_OK);
    return 0;
}
