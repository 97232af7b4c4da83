#include "registration/TypeSlot.h"

#include "platform/AsciiCase.h"

#include <string_view>

int FindTypeSlot(char (&slotName)[16], HKEY viewers, const char* mimeType) {
    for (int index = 0;; ++index) {
        wsprintfA(slotName, "TYPE%d", index);

        char data[256];
        DWORD size = sizeof data;
        DWORD type = 0;
        const LONG result = RegQueryValueExA(viewers, slotName, nullptr, &type,
                                             reinterpret_cast<BYTE*>(data), &size);
        // Too long to read whole: it lists some other type; keep looking.
        if (result == ERROR_MORE_DATA) continue;
        if (result != ERROR_SUCCESS) return 1;

        // The text ends at its first NUL, or with the data when stored without one.
        const std::string_view stored(data, size < sizeof data ? size : sizeof data);
        const std::string_view text = stored.substr(0, stored.find('\0'));
        if (type == REG_SZ && EqualsIgnoringAsciiCase(text, mimeType)) return 0;
    }
}
