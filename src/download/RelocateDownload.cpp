#include "app/HelperApp.h"
#include "app/Messages.h"
#include "download/Relocation.h"
#include "platform/FileStatus.h"
#include "platform/ShellFileOp.h"
#include "ui/FolderPicker.h"

#include <mbstring.h>

namespace {

bool IsFolder(const std::string& path) {
    CFileStatus status;
    return GetFileStatus(path, status) && (status.m_attribute & kDirectoryAttribute) != 0;
}

// Asks the question, then lets the user pick another folder; a picked folder
// becomes the download folder at once. False when the user said No or
// cancelled the picker.
bool PickAnotherFolder(const CHelperApp& app, UINT question, std::string& folder) {
    if (ShowMessage(question, MB_YESNO) != IDYES) return false;
    CFolderPicker picker(kMoveToFolderTitle, folder, nullptr);
    if (picker.Browse() != IDOK) return false;
    folder = picker.m_strPath;
    app.WriteSettingString(kSettingsSection, kLaunchDirValue, folder);
    return true;
}

}  // namespace

std::string ComposeTarget(const std::string& folder, const std::string& name) {
    return folder + '\\' + name;
}

bool IsSamePath(const std::string& first, const std::string& second) {
    return _mbsicmp(reinterpret_cast<const unsigned char*>(first.c_str()),
                    reinterpret_cast<const unsigned char*>(second.c_str())) == 0;
}

int CHelperApp::RelocateDownload(const std::string& source, const std::string& name,
                                 std::string folder) {
    // Another download started at the same moment may have created the folder
    // between the test and the creation; that folder serves as well.
    if (!IsFolder(folder) && !CreateDirectoryA(folder.c_str(), nullptr) && !IsFolder(folder)) {
        if (!PickAnotherFolder(*this, IDP_CREATE_FOLDER_FAILED, folder)) return 0;
    }

    std::string target = ComposeTarget(folder, name);
    while (IsSamePath(source, target)) {
        if (!PickAnotherFolder(*this, IDP_SAME_PATH, folder)) return 0;
        target = ComposeTarget(folder, name);
    }
    return MoveToFolder(source, target, folder);
}

int CHelperApp::MoveToFolder(const std::string& source, const std::string& target,
                             const std::string& folder) {
    CShellMove outcome;
    if (!ShellMoveFile(source, target, outcome)) return 0;

    // The shell's result alone is not trusted: the file must have left the
    // source and arrived at the target.
    if (outcome.m_nResult != 0) return 0;
    if (outcome.m_bAnyAborted) return 0;
    CFileStatus status;
    if (GetFileStatus(source, status)) return 0;
    if (!GetFileStatus(target, status)) return 0;

    return LaunchArchiver(target, folder);
}
