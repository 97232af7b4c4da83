#pragma once
// Reading and pressing the windows of a process the way a person would: find
// its visible top-level windows, describe them (caption, position, text,
// buttons, icon, child controls) and press their buttons. Works on the test's
// own process (robot thread) and on another process (end-to-end driver).
#include <windows.h>

#include <string>
#include <vector>

namespace probe {

struct Control {
    int id = 0;
    std::string className;  // "Button", "Static", "Edit", "SysTreeView32", ...
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect = {};          // in the parent's client coordinates, pixels
    bool visible = false;
    bool enabled = false;
};

struct Window {
    HWND hwnd = nullptr;
    std::string className;
    std::string caption;
    RECT rect = {};          // screen coordinates
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND owner = nullptr;
    int focusId = 0;         // control id with the keyboard focus, 0 if none
    std::vector<Control> controls;  // direct children, in z-order (template order)
    // Message boxes: the icon shown, one of "stop", "question", "exclamation",
    // "information", "none" or "other".
    std::string icon;

    const Control* Find(int id) const;
    // The text of a message box (its static 0xFFFF).
    std::string Text() const;
    // Ids of the visible push buttons, in z-order.
    std::vector<int> Buttons() const;
};

// Visible, enabled or disabled, top-level windows of a process, z-order.
std::vector<HWND> TopLevelWindows(DWORD processId);

// Waits up to timeoutMs for a visible top-level window of the process whose
// caption equals the given one (any caption when empty) and that is not one of
// the excluded; polls every 10 ms. nullptr on timeout.
HWND WaitForWindow(DWORD processId, const std::string& caption, DWORD timeoutMs,
                   const std::vector<HWND>& excluded = {});

// Waits up to timeoutMs until the window is gone or hidden.
bool WaitUntilGone(HWND window, DWORD timeoutMs);

Window Describe(HWND window);

// Presses a button of a dialog as a click would (posted, so a modal loop that
// the click starts never blocks the presser). False if the dialog lacks it.
bool Press(HWND dialog, int buttonId);

// Types a key (WM_KEYDOWN, WM_KEYUP) into the control that has the keyboard
// focus in the window's thread, as a person at the keyboard would.
void Key(HWND window, UINT virtualKey);

// Sends a system command (SC_CLOSE, or a program's own item id) as a click
// in the window menu would.
void SystemCommand(HWND window, UINT command);

// In the shell's folder chooser: walks the tree Desktop > My Computer > (X:)
// > folder > ... to the given full path ("C:\Download", or "C:\" for a drive)
// and selects it. Works across processes. False if an item is missing.
bool SelectFolder(HWND chooser, const std::string& path);

// In the shell's folder chooser: the texts of the selected item and of its
// ancestors up to the root, root first ("Desktop", "My Computer", " (C:)", ...).
std::vector<std::string> SelectedFolderItems(HWND chooser);

// SelectFolder, then OK.
bool PickFolder(HWND chooser, const std::string& path);

}  // namespace probe
