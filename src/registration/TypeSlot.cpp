#include "registration/TypeSlot.h"

#include "platform/AsciiCase.h"

namespace {

// What Navigator keeps in one TYPEn value at most.
constexpr DWORD kTypeBytes = 256;

}  // namespace

TypeSlot FindTypeSlot(char (&slotName)[16], const CRegKey& viewers, const char* mimeType) {
    for (int index = 0;; ++index) {
        wsprintfA(slotName, "TYPE%d", index);
        CRegText type;
        const LONG result = viewers.QueryText(slotName, kTypeBytes, type);
        // Too long to read whole: it lists some other type; keep looking.
        if (result == ERROR_MORE_DATA) continue;
        if (result != ERROR_SUCCESS) return TypeSlot::Free;
        if (type.m_dwType == REG_SZ && EqualsIgnoringAsciiCase(type.m_strText, mimeType)) {
            return TypeSlot::Listed;
        }
    }
}
