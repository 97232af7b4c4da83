#include "app/HelperApp.h"
#include "app/Messages.h"
#include "download/Relocation.h"
#include "download/TargetName.h"
#include "platform/FileStatus.h"
#include "platform/Module.h"
#include "platform/ProcessLock.h"
#include "platform/ShellFileOp.h"
#include "ui/FolderPicker.h"

#include <mbstring.h>

namespace {

// Every process of the helper moves under this lock, so two downloads of one
// name never choose the same free name.
constexpr char kMoveLock[] = "Quenlock.DARIVOVA.Move";
// Long enough for another download's move across drives; a holder that
// stopped answering doesn't stop this download.
constexpr DWORD kMoveLockTimeoutMs = 30000;

bool Exists(const std::string& path) {
    CFileStatus status;
    return GetFileStatus(path, status);
}

bool IsFolder(const std::string& path) {
    // The file search would take a pattern for whatever folder it matches.
    if (HasWildcard(path)) return false;
    CFileStatus status;
    if (GetFileStatus(path, status)) return (status.m_attribute & kDirectoryAttribute) != 0;
    // The file search finds no entry for a drive's root: it is there when its
    // volume answers.
    return IsVolumeRoot(path) &&
           GetVolumeInformationA(ComposeTarget(path, "", IsAnsiLeadByte).c_str(), nullptr, 0,
                                 nullptr, nullptr, nullptr, nullptr, 0);
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

// The target under the first name not taken by a file or folder: name,
// then "name (2)", "name (3)", ...; stops at a target too long to use.
std::string FreeTarget(const std::string& folder, const std::string& name) {
    std::string target = ComposeTarget(folder, name, IsAnsiLeadByte);
    for (unsigned n = 2; Exists(target) && target.size() < MAX_PATH; ++n) {
        target = ComposeTarget(folder, NumberedName(name, n), IsAnsiLeadByte);
    }
    return target;
}

// The shell's result alone is not trusted: the file must have left the source
// and arrived at the target.
bool MoveConfirmed(const std::string& source, const std::string& target) {
    CShellMove outcome;
    return ShellMoveFile(source, target, outcome) && outcome.m_nResult == 0 &&
           !outcome.m_bAnyAborted && !Exists(source) && Exists(target);
}

}  // namespace

bool IsSamePath(const std::string& source, const std::string& target) {
    return _mbsicmp(reinterpret_cast<const unsigned char*>(source.c_str()),
                    reinterpret_cast<const unsigned char*>(target.c_str())) == 0 ||
           IsSameFile(source, target);
}

std::string DownloadFolder(const std::string& text) {
    std::string full;
    std::string::size_type namePart = 0;
    if (!GetFullPath(text, full, namePart)) return text;
    return WithoutTrailingSeparator(full, IsAnsiLeadByte);
}

int CHelperApp::RelocateDownload(const std::string& source, const std::string& name,
                                 std::string folder) {
    folder = DownloadFolder(folder);
    // Another download started at the same moment may have created the folder
    // between the test and the creation; that folder serves as well.
    if (!IsFolder(folder) && !CreateDirectoryA(folder.c_str(), nullptr) && !IsFolder(folder)) {
        if (!PickAnotherFolder(*this, IDP_CREATE_FOLDER_FAILED, folder)) return 0;
    }

    for (;;) {
        while (IsSamePath(source, ComposeTarget(folder, name, IsAnsiLeadByte))) {
            if (!PickAnotherFolder(*this, IDP_SAME_PATH, folder)) return 0;
        }
        // Gone, before the move or while the user was asked: nothing to keep.
        if (!Exists(source)) return 0;

        const int moved = MoveToFolder(source, name, folder);
        if (moved != kNotMoved) return moved;
        if (!PickAnotherFolder(*this, IDP_MOVE_FAILED, folder)) return 0;
    }
}

int CHelperApp::MoveToFolder(const std::string& source, const std::string& name,
                             const std::string& folder) {
    std::string target;
    {
        const CProcessLock lock(kMoveLock, kMoveLockTimeoutMs);
        target = FreeTarget(folder, name);
        if (!MoveConfirmed(source, target)) return kNotMoved;
    }
    return LaunchArchiver(target, folder) != 0 ? kMovedAndLaunched : kMovedNotLaunched;
}
