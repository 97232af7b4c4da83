#pragma once
// The one place that sets the Windows macros before <windows.h>: narrow
// strings and explicit ...A calls throughout, no min/max macros.
#ifndef STRICT
#define STRICT
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#undef UNICODE
#undef _UNICODE
#include <windows.h>
