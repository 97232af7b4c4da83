#pragma once
#include "platform/Unique.h"
#include "platform/Win.h"

// A kernel handle (a file, a process). Both the null handle and
// INVALID_HANDLE_VALUE count as none, as the platform's functions return one
// or the other on failure.
struct CHandleTraits {
    using Value = HANDLE;
    static Value None() noexcept { return nullptr; }
    static bool IsValid(Value handle) noexcept {
        return handle != nullptr && handle != INVALID_HANDLE_VALUE;
    }
    static void Close(Value handle) noexcept { CloseHandle(handle); }
};
using CHandle = CUnique<CHandleTraits>;

// A find-first search handle.
struct CFindHandleTraits {
    using Value = HANDLE;
    static Value None() noexcept { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Value handle) noexcept { return handle != INVALID_HANDLE_VALUE; }
    static void Close(Value handle) noexcept { FindClose(handle); }
};
using CFindHandle = CUnique<CFindHandleTraits>;

// An icon loaded without sharing (LoadImageA without LR_SHARED), which must
// be destroyed.
struct CIconTraits {
    using Value = HICON;
    static Value None() noexcept { return nullptr; }
    static bool IsValid(Value icon) noexcept { return icon != nullptr; }
    static void Close(Value icon) noexcept { DestroyIcon(icon); }
};
using CIcon = CUnique<CIconTraits>;
