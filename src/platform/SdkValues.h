#pragma once
// The few values of the Windows SDK that text logic compiled on the host as
// well needs, where <windows.h> is not at hand. Each is named for its SDK
// constant; ShowMessage.cpp checks them against the SDK's own.

// Message box types (winuser.h).
inline constexpr unsigned kMbOk = 0x0;            // MB_OK
inline constexpr unsigned kMbOkCancel = 0x1;      // MB_OKCANCEL
inline constexpr unsigned kMbYesNoCancel = 0x3;   // MB_YESNOCANCEL
inline constexpr unsigned kMbYesNo = 0x4;         // MB_YESNO
inline constexpr unsigned kMbIconExclamation = 0x30;  // MB_ICONEXCLAMATION
inline constexpr unsigned kMbTypeMask = 0xF;      // MB_TYPEMASK
inline constexpr unsigned kMbIconMask = 0xF0;     // MB_ICONMASK

// Dialog box command ids, the codes of the buttons pressed (winuser.h).
inline constexpr int kIdCancel = 2;  // IDCANCEL
inline constexpr int kIdNo = 7;      // IDNO
