// The name-safety step: input is a name, a NUL, and the fallback name.
#include "download/SafeName.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool HasRefused(const std::string& name) {
    for (char c : name) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if ((byte >= 1 && byte <= 31) || std::strchr("<>:\"/\\|?*", c) != nullptr || c == '\0') {
            return true;
        }
    }
    return false;
}

bool OnlyDotsAndBlanks(const std::string& name) {
    return name.find_first_not_of(". ") == std::string::npos;
}

// An oracle of its own: the part before the first dot, blanks trimmed, upper-cased.
bool IsDevice(const std::string& name) {
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (char& c : base) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    }
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string name = input.substr(0, split);
    const std::string fallback = split == std::string::npos ? "" : input.substr(split + 1);

    const std::string safe = SafeFileName(name, fallback);
    if (safe.empty()) {
        // Only when neither text names anything.
        if (!OnlyDotsAndBlanks(name) || !OnlyDotsAndBlanks(fallback)) std::abort();
        return 0;
    }
    if (HasRefused(safe) || IsDevice(safe) || OnlyDotsAndBlanks(safe)) std::abort();
    if (IsReservedDeviceName(safe)) std::abort();
    // A name that was already fit stays exactly as it was.
    if (!HasRefused(name) && !IsDevice(name) && !OnlyDotsAndBlanks(name) && safe != name) {
        std::abort();
    }
    // Otherwise only replacements and at most one leading '_' were made.
    const std::string& chosen = OnlyDotsAndBlanks(name) ? fallback : name;
    const std::size_t shift = safe.size() - chosen.size();
    if (shift > 1 || (shift == 1 && safe[0] != '_')) std::abort();
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        if (safe[i + shift] != chosen[i] && safe[i + shift] != '_') std::abort();
    }
    return 0;
}
