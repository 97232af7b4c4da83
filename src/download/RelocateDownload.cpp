#include "app/HelperApp.h"
#include "app/Messages.h"
#include "download/Relocation.h"
#include "download/TargetName.h"
#include "platform/FileStatus.h"
#include "platform/Handle.h"
#include "platform/Module.h"
#include "platform/ShellFileOp.h"
#include "platform/VolumeRoot.h"
#include "ui/FolderPicker.h"

#include <optional>

namespace {

bool Exists(const std::string& path) {
    CFileStatus status;
    return GetFileStatus(path, status);
}

bool IsFolder(const std::string& path) {
    // The file search would take a pattern for whatever folder it matches.
    if (path.empty() || HasWildcard(path)) return false;
    CFileStatus status;
    if (GetFileStatus(path, status)) return (status.m_attribute & kDirectoryAttribute) != 0;
    // The file search finds no entry for a drive's root: it is there when its
    // volume answers.
    return IsVolumeRoot(path, IsAnsiLeadByte) &&
           GetVolumeInformationA(VolumeRoot(path, IsAnsiLeadByte).c_str(), nullptr, 0, nullptr,
                                 nullptr, nullptr, nullptr, 0);
}

// Asks the question, then lets the user pick another folder; a picked folder
// becomes the download folder at once. Nothing when a folder was picked,
// else what the refusal means.
std::optional<Outcome> PickAnotherFolder(const CHelperApp& app, UINT question, std::string& folder) {
    const int answer = ShowMessage(question, MB_YESNO);
    if (answer != IDYES) return RefusalOutcome(answer);
    CFolderPicker picker(kMoveToFolderTitle, folder, nullptr);
    // A choice without a path names no folder: as good as Cancel.
    if (picker.Browse() != IDOK || picker.m_strPath.empty()) return Outcome::Declined;
    folder = picker.m_strPath;
    app.WriteSettingString(kSettingsSection, kLaunchDirValue, folder);
    return std::nullopt;
}

// Claims the first free name for the download in the folder: name, then
// "name (2)", "name (3)", ... An empty file created with CREATE_NEW is the
// claim: the system makes it atomically, so no other process of the helper,
// nor any other program, holds that name at the same time, and nothing is
// ever replaced. False when no name can be claimed (too long, a folder that
// is gone or can't be written).
bool ClaimFreeTarget(const std::string& folder, const std::string& name, std::string& target) {
    for (unsigned n = 1;; ++n) {
        target = ComposeTarget(folder, n == 1 ? name : NumberedName(name, n), IsAnsiLeadByte);
        // MAX_PATH counts the terminator; a pattern names no one file.
        if (target.size() >= MAX_PATH || HasWildcard(target)) return false;
        if (Exists(target)) continue;
        const CHandle claim(CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
        if (claim.IsValid()) return true;
        // Taken between the test and the claim: the next name.
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return false;
    }
}

// The download arrived when it left its source and the target holds as many
// bytes as the source did. The shell's result alone is not trusted, and the
// claim it replaces is empty.
bool Arrived(const std::string& source, const std::string& target, ULONGLONG size) {
    CFileStatus status;
    return !Exists(source) && GetFileStatus(target, status) && status.m_size == size;
}

// Takes back the claim of a move that did not happen: an empty file at the
// target while the download is still at its source. Anything else there is
// left alone.
void WithdrawClaim(const std::string& source, const std::string& target) {
    CFileStatus status;
    if (Exists(source) && GetFileStatus(target, status) && status.m_size == 0) {
        DeleteFileA(target.c_str());
    }
}

}  // namespace

bool IsSamePath(const std::string& source, const std::string& target) {
    return IsSamePathText(source, target) || IsSameFile(source, target);
}

std::string DownloadFolder(const std::string& text) {
    std::string full;
    std::string::size_type namePart = 0;
    if (text.empty() || !GetFullPath(text, full, namePart)) return {};
    return WithoutTrailingSeparator(full, IsAnsiLeadByte);
}

Outcome CHelperApp::RelocateDownload(const std::string& source, const std::string& name,
                                     std::string folder) {
    folder = DownloadFolder(folder);
    // Another download started at the same moment may have created the folder
    // between the test and the creation; that folder serves as well.
    if (folder.empty() ||
        (!IsFolder(folder) && !CreateDirectoryA(folder.c_str(), nullptr) && !IsFolder(folder))) {
        if (const auto refused = PickAnotherFolder(*this, IDP_CREATE_FOLDER_FAILED, folder)) {
            return *refused;
        }
    }

    // Once the download was found at its target, it lies in a download folder
    // already: declining another folder keeps it there.
    bool inPlace = false;
    const auto keptIfInPlace = [&inPlace](Outcome refused) {
        return inPlace && refused == Outcome::Declined ? Outcome::InPlace : refused;
    };
    for (;;) {
        while (IsSamePath(source, ComposeTarget(folder, name, IsAnsiLeadByte))) {
            inPlace = true;
            if (const auto refused = PickAnotherFolder(*this, IDP_SAME_PATH, folder)) {
                return keptIfInPlace(*refused);
            }
        }
        // Gone, before the move or while the user was asked: nothing to keep.
        if (!Exists(source)) return Outcome::SourceGone;

        const Outcome moved = MoveToFolder(source, name, folder);
        if (moved != Outcome::NotHandled) return moved;
        if (const auto refused = PickAnotherFolder(*this, IDP_MOVE_FAILED, folder)) {
            return keptIfInPlace(*refused);
        }
    }
}

Outcome CHelperApp::MoveToFolder(const std::string& source, const std::string& name,
                                 const std::string& folder) {
    CFileStatus before;
    std::string target;
    if (!GetFileStatus(source, before) || !ClaimFreeTarget(folder, name, target)) {
        return Outcome::NotHandled;
    }
    CShellMove shell;
    if (!ShellMoveFile(source, target, shell) || shell.m_nResult != 0 || shell.m_bAnyAborted ||
        !Arrived(source, target, before.m_size)) {
        WithdrawClaim(source, target);
        return Outcome::NotHandled;
    }
    return LaunchArchiver(target, folder) ? Outcome::KeptAndOpened : Outcome::KeptNotOpened;
}
