#include "platform/ShellFileOp.h"

#include "platform/PathText.h"

#include <shellapi.h>

#include <cstring>

namespace {

// One name, its terminating NUL and the empty name that ends the list.
using CShellList = char[MAX_PATH + 2];

// MAX_PATH counts the terminator: 259 characters is the longest usable path.
bool FillList(const std::string& path, CShellList& list) {
    if (path.size() >= MAX_PATH || HasWildcard(path)) return false;
    std::memset(list, 0, sizeof list);
    std::memcpy(list, path.data(), path.size());
    return true;
}

}  // namespace

bool ShellMoveFile(const std::string& source, const std::string& target) {
    CShellList from;
    CShellList to;
    if (!FillList(source, from) || !FillList(target, to)) return false;

    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_MOVE;
    operation.pFrom = from;
    operation.pTo = to;
    SHFileOperationA(&operation);
    return true;
}
