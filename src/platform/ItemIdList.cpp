#include "platform/ItemIdList.h"

CItemIdList& CItemIdList::operator=(CItemIdList&& other) noexcept {
    if (this != &other) {
        Free();
        m_pList = std::exchange(other.m_pList, nullptr);
    }
    return *this;
}

std::string CItemIdList::GetPath() const {
    char buffer[MAX_PATH] = {};
    if (m_pList == nullptr || !SHGetPathFromIDListA(m_pList, buffer)) buffer[0] = '\0';
    buffer[MAX_PATH - 1] = '\0';
    return buffer;
}

void CItemIdList::Free() noexcept {
    if (m_pList == nullptr) return;
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator != nullptr) {
        allocator->Free(m_pList);
        allocator->Release();
    }
    m_pList = nullptr;
}
