#include "platform/PathText.h"

#include "platform/LeadByte.h"
#include "platform/PathCase.h"
#include "platform/Win.h"

namespace {

// The system's upper case of one character in the ANSI code page: CharUpperBuffA
// takes a double-byte character whole, on Windows 9x and NT alike (its wide
// counterpart is a stub on 9x).
void SystemUpperCase(char* character, std::size_t size) {
    CharUpperBuffA(character, static_cast<DWORD>(size));
}

}  // namespace

bool GetFullPath(const std::string& path, std::string& fullPath, std::string::size_type& namePart) {
    char buffer[MAX_PATH] = {};
    char* filePart = nullptr;
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, &filePart);
    if (length == 0 || length >= MAX_PATH) return false;
    fullPath.assign(buffer, length);
    namePart = filePart != nullptr ? static_cast<std::string::size_type>(filePart - buffer)
                                   : std::string::npos;
    return true;
}

bool IsSamePathText(const std::string& first, const std::string& second) {
    return EqualsIgnoringPathCase(first, second, IsAnsiLeadByte, SystemUpperCase);
}
