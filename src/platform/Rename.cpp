#include "platform/Rename.h"

#include "platform/InUse.h"

DWORD RenameFile(const std::string& from, const std::string& to, DWORD patienceMs) {
    return RetryWhileInUse(patienceMs, [&] {
        return MoveFileA(from.c_str(), to.c_str()) ? ERROR_SUCCESS : GetLastError();
    });
}
