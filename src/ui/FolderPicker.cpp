#include "ui/FolderPicker.h"

#include "platform/ComApartment.h"
#include "platform/FileStatus.h"
#include "platform/ItemIdList.h"

#include <shlobj.h>

namespace {

constexpr UINT kBrowseFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;

bool IsPlainFolder(const std::string& path) {
    CFileStatus status;
    return !path.empty() && GetFileStatus(path, status) &&
           status.m_attribute == FILE_ATTRIBUTE_DIRECTORY;
}

std::string CurrentDirectory() {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

// Selects the initial folder as soon as the chooser is up, as users expect.
int CALLBACK SelectInitialFolder(HWND dialog, UINT message, LPARAM, LPARAM folder) noexcept {
    if (message == BFFM_INITIALIZED) SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, folder);
    return 0;
}

}  // namespace

CFolderPicker::CFolderPicker(const std::string& title, const std::string& initialFolder, CWnd* owner)
    : m_strTitle(title), m_strInitialFolder(initialFolder), m_pOwner(owner) {
    if (!IsPlainFolder(m_strInitialFolder)) m_strInitialFolder = CurrentDirectory();
}

int CFolderPicker::Browse() {
    const CComApartment apartment;
    char displayName[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = m_pOwner != nullptr ? m_pOwner->m_hWnd : nullptr;
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = m_strTitle.c_str();
    info.ulFlags = kBrowseFlags;
    info.lpfn = &SelectInitialFolder;
    info.lParam = reinterpret_cast<LPARAM>(m_strInitialFolder.c_str());

    const CItemIdList chosen(SHBrowseForFolderA(&info));
    displayName[MAX_PATH - 1] = '\0';
    m_strDisplayName = displayName;
    if (!chosen.IsValid()) return IDCANCEL;

    m_strPath = GetItemIdListPath(chosen);
    return IDOK;
}
