#include "platform/Module.h"

#include "platform/ModuleNames.h"

std::string GetModulePath(HMODULE module) {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(module, buffer, MAX_PATH);
    // A truncated path need not be terminated; the length says how much is valid.
    return std::string(buffer, length < MAX_PATH ? length : MAX_PATH);
}

std::string GetApplicationName() {
    return AppNameFromModulePath(GetModulePath(nullptr));
}
