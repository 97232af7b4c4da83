#include "platform/ItemIdList.h"

void CItemIdListTraits::Close(Value list) noexcept {
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator != nullptr) {
        allocator->Free(list);
        allocator->Release();
    }
}

std::string GetItemIdListPath(const CItemIdList& list) {
    char buffer[MAX_PATH] = {};
    if (!list.IsValid() || !SHGetPathFromIDListA(list.Get(), buffer)) buffer[0] = '\0';
    buffer[MAX_PATH - 1] = '\0';
    return buffer;
}
