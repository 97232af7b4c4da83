#include "download/SafeName.h"

#include "platform/AsciiCase.h"

#include <cstring>

namespace {

constexpr const char* kDeviceNames[] = {
    "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
    "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};

bool IsRefusedInName(char c) {
    const unsigned char byte = static_cast<unsigned char>(c);
    return (byte >= 1 && byte <= 31) || std::strchr("<>:\"/\\|?*", c) != nullptr;
}

// "", ".", "..", or any other run of dots and blanks, which Windows strips
// to nothing.
bool NamesNothing(const std::string& name) {
    return name.find_first_not_of(". ") == std::string::npos;
}

}  // namespace

bool IsReservedDeviceName(const std::string& name) {
    std::string base = name.substr(0, name.find('.'));
    base.erase(base.find_last_not_of(' ') + 1);
    for (const char* device : kDeviceNames) {
        if (EqualsIgnoringAsciiCase(base, device)) return true;
    }
    return false;
}

std::string SafeFileName(const std::string& name, const std::string& fallback) {
    std::string safe = NamesNothing(name) ? fallback : name;
    if (NamesNothing(safe)) return {};
    for (char& c : safe) {
        if (IsRefusedInName(c)) c = '_';
    }
    if (IsReservedDeviceName(safe)) safe.insert(0, 1, '_');
    return safe;
}
