#pragma once
#include "platform/Unique.h"
#include "platform/Win.h"

#include <shlobj.h>
#include <string>

// A shell item identifier list, freed through the shell's task allocator.
struct CItemIdListTraits {
    using Value = LPITEMIDLIST;
    static Value None() noexcept { return nullptr; }
    static bool IsValid(Value list) noexcept { return list != nullptr; }
    static void Close(Value list) noexcept;
};
using CItemIdList = CUnique<CItemIdListTraits>;

// The list's file-system path, read into a 260-character buffer; empty when
// there is no list or the item has no path.
std::string GetItemIdListPath(const CItemIdList& list);
