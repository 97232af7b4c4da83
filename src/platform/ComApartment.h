#pragma once
#include "platform/Win.h"

#include <objbase.h>

// COM initialised as a single-threaded apartment on the calling thread for
// the object's life, as the shell's folder chooser requires on current
// systems. Balanced: uninitialised only when this object's call succeeded
// (S_FALSE, already initialised, counts too).
class CComApartment {
public:
    CComApartment() : m_bInitialised(SUCCEEDED(CoInitialize(nullptr))) {}
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;
    ~CComApartment() {
        if (m_bInitialised) CoUninitialize();
    }

private:
    bool m_bInitialised;
};
