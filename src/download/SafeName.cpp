#include "download/SafeName.h"

#include "platform/AsciiCase.h"

#include <cstring>

namespace {

constexpr const char* kDeviceNames[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};

// Names the shell reads as its own settings in a folder or at a drive's root.
constexpr const char* kShellNames[] = {"desktop.ini", "autorun.inf"};

bool IsRefusedInName(char c) {
    // A NUL too: the name would end there.
    const unsigned char byte = static_cast<unsigned char>(c);
    return byte <= 31 || std::strchr("<>:\"/\\|?*", c) != nullptr;
}

bool IsDotOrBlank(char c) { return c == '.' || c == ' '; }

// COM and LPT take a digit 1-9 or a superscript one, two or three.
bool IsPortName(const std::string& base) {
    if (base.size() != 4) return false;
    const std::string prefix = base.substr(0, 3);
    if (!EqualsIgnoringAsciiCase(prefix, "COM") && !EqualsIgnoringAsciiCase(prefix, "LPT")) {
        return false;
    }
    const unsigned char digit = static_cast<unsigned char>(base[3]);
    return (digit >= '1' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
}

bool IsShellName(const std::string& name) {
    for (const char* shellName : kShellNames) {
        if (EqualsIgnoringAsciiCase(name, shellName)) return true;
    }
    return false;
}

// The name with refused characters and a split character replaced, trailing
// dots and blanks removed, and a leading '_' before a device or shell name.
std::string Sanitized(const std::string& name, IsLeadByteFn isLeadByte) {
    std::string safe = name;
    std::string::size_type kept = 0;  // after the last character that is no dot or blank
    std::string::size_type i = 0;
    while (i < safe.size()) {
        const bool lead = isLeadByte(static_cast<unsigned char>(safe[i]));
        if (lead && i + 1 < safe.size() && safe[i + 1] != '\0') {
            i += 2;
            kept = i;
            continue;
        }
        // A lead byte the text ends after would leave half a character.
        const char c = (lead || IsRefusedInName(safe[i])) ? '_' : safe[i];
        safe[i++] = c;
        if (!IsDotOrBlank(c)) kept = i;
    }
    safe.resize(kept);
    if (IsReservedDeviceName(safe) || IsShellName(safe)) safe.insert(0, 1, '_');
    return safe;
}

}  // namespace

bool IsReservedDeviceName(const std::string& name) {
    std::string base = name.substr(0, name.find('.'));
    base.erase(base.find_last_not_of(' ') + 1);
    for (const char* device : kDeviceNames) {
        if (EqualsIgnoringAsciiCase(base, device)) return true;
    }
    return IsPortName(base);
}

std::string SafeFileName(const std::string& name, const std::string& fallback,
                         IsLeadByteFn isLeadByte) {
    const std::string safe = Sanitized(name, isLeadByte);
    return safe.empty() ? Sanitized(fallback, isLeadByte) : safe;
}
