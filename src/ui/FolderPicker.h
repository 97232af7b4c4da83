#pragma once
#include "platform/Wnd.h"

#include <string>

// The title both folder choices of the program show above the tree.
inline constexpr char kMoveToFolderTitle[] = "Move file to folder:";

// One folder choice with the shell's folder chooser, restricted to file-system
// folders. Lives on the caller's stack for one browse.
class CFolderPicker {
public:
    // An initial folder that is empty or not exactly a plain folder is replaced
    // by the current directory. owner may be null.
    CFolderPicker(const std::string& title, const std::string& initialFolder, CWnd* owner);

    // IDOK (1) with m_strPath set when the user chose a folder, else IDCANCEL (2).
    // The chooser opens with the initial folder selected.
    int Browse();

    std::string m_strTitle;
    std::string m_strInitialFolder;
    CWnd* m_pOwner;
    std::string m_strDisplayName;
    std::string m_strPath;
};
