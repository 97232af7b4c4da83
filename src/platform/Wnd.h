#pragma once
#include "platform/Win.h"

// A window of the framework: the native handle, once the window exists.
class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd() = default;

    HWND m_hWnd = nullptr;
};
