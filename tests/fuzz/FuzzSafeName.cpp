// The name-safety step: input is a name, a NUL, and the fallback name, made
// safe in a single-byte and in a double-byte code page.
#include "download/SafeName.h"
#include "Characters.h"
#include "LeadBytes.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool IsRefused(char c) {
    const unsigned char byte = static_cast<unsigned char>(c);
    return byte < 32 || (c != '\0' && std::strchr("<>:\"/\\|?*", c) != nullptr);
}

bool IsDotOrBlank(char c) { return c == '.' || c == ' '; }

bool OnlyDotsAndBlanks(const std::string& name) {
    return name.find_first_not_of(". ") == std::string::npos;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    }
    return text;
}

// An oracle of its own: the part before the first dot, blanks trimmed, upper-cased.
bool IsDevice(const std::string& name) {
    std::string base = Upper(name.substr(0, name.find('.')));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"}) {
        if (base == device) return true;
    }
    if (base.size() != 4 || (base.compare(0, 3, "COM") != 0 && base.compare(0, 3, "LPT") != 0)) {
        return false;
    }
    const unsigned char digit = static_cast<unsigned char>(base[3]);
    return (digit >= '1' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
}

bool IsShellName(const std::string& name) {
    const std::string upper = Upper(name);
    return upper == "DESKTOP.INI" || upper == "AUTORUN.INF";
}

bool NeedsPrefix(const std::string& name) { return IsDevice(name) || IsShellName(name); }

// What a safe name is, whatever it came from.
bool IsSafe(const std::string& safe, IsLeadByteFn isLeadByte) {
    for (std::size_t i = 0; i < safe.size(); ++i) {
        if (PairAt(safe, i, isLeadByte)) {
            ++i;
            continue;
        }
        // A lead byte alone is half a character.
        if (isLeadByte(static_cast<unsigned char>(safe[i])) || IsRefused(safe[i])) return false;
    }
    const std::size_t last = LastCharacter(safe, isLeadByte);
    if (last + 1 == safe.size() && IsDotOrBlank(safe[last])) return false;
    return !NeedsPrefix(safe) && !IsReservedDeviceName(safe);
}

// Whether rest is chosen with each character kept or replaced by '_' as the
// rules say, and only trailing dots and blanks cut off.
bool IsMadeFrom(const std::string& rest, const std::string& chosen, IsLeadByteFn isLeadByte) {
    if (rest.size() > chosen.size()) return false;
    std::size_t i = 0;
    while (i < rest.size()) {
        if (PairAt(chosen, i, isLeadByte)) {
            if (rest.compare(i, 2, chosen, i, 2) != 0) return false;
            i += 2;
            continue;
        }
        const bool replaced =
            isLeadByte(static_cast<unsigned char>(chosen[i])) || IsRefused(chosen[i]);
        if (rest[i] != (replaced ? '_' : chosen[i])) return false;
        ++i;
    }
    // Cut at a character's end, and only dots and blanks after it.
    return i == rest.size() && chosen.find_first_not_of(". ", i) == std::string::npos;
}

void Check(const std::string& name, const std::string& fallback, IsLeadByteFn isLeadByte) {
    const std::string safe = SafeFileName(name, fallback, isLeadByte);
    if (safe.empty()) {
        // Only when neither text names anything.
        if (!OnlyDotsAndBlanks(name) || !OnlyDotsAndBlanks(fallback)) std::abort();
        return;
    }
    if (!IsSafe(safe, isLeadByte)) std::abort();
    // The name when it names anything, else the fallback; a leading '_' only
    // before a device or shell name.
    const std::string& chosen = OnlyDotsAndBlanks(name) ? fallback : name;
    const bool asIs = IsMadeFrom(safe, chosen, isLeadByte);
    const bool prefixed = safe[0] == '_' && NeedsPrefix(safe.substr(1)) &&
                          IsMadeFrom(safe.substr(1), chosen, isLeadByte);
    if (!asIs && !prefixed) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string name = input.substr(0, split);
    const std::string fallback = split == std::string::npos ? "" : input.substr(split + 1);
    for (IsLeadByteFn isLeadByte : kCodePages) Check(name, fallback, isLeadByte);
    return 0;
}
