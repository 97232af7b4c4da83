#pragma once
#include "platform/Win.h"

#include <shlobj.h>
#include <string>
#include <utility>

// Owns a shell item identifier list; frees it through the shell's task
// allocator when it goes.
class CItemIdList {
public:
    explicit CItemIdList(LPITEMIDLIST list = nullptr) : m_pList(list) {}
    CItemIdList(CItemIdList&& other) noexcept : m_pList(std::exchange(other.m_pList, nullptr)) {}
    CItemIdList& operator=(CItemIdList&& other) noexcept;
    CItemIdList(const CItemIdList&) = delete;
    CItemIdList& operator=(const CItemIdList&) = delete;
    ~CItemIdList() { Free(); }

    LPITEMIDLIST Get() const { return m_pList; }
    explicit operator bool() const { return m_pList != nullptr; }

    // The list's file-system path, read into a 260-character buffer; empty when
    // the item has none.
    std::string GetPath() const;

private:
    void Free() noexcept;

    LPITEMIDLIST m_pList;
};
