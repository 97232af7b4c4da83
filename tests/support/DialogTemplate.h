#pragma once
// Reads a dialog template (standard or extended form) from a module's
// resources, so a test can compare it with what the dialog must be.
#include <windows.h>

#include <string>
#include <vector>

namespace dlgres {

struct Item {
    DWORD id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string className;  // "Button", "Edit", "Static", ... (ordinals named)
    std::string text;       // UTF-8; "#128" for a resource ordinal
};

struct Template {
    bool extended = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;  // UTF-8
    WORD pointSize = 0;
    std::string face;
    std::vector<Item> items;
};

// False when the template is missing or malformed.
bool Read(HMODULE module, UINT templateId, Template& out);

}  // namespace dlgres
