#include "app/HelperApp.h"
#include "app/Settings.h"
#include "app/ShowMessage.h"
#include "download/FreeNameMove.h"
#include "download/RelocateDownload.h"
#include "download/Staging.h"
#include "download/TargetName.h"
#include "platform/FileIdentity.h"
#include "platform/FileStatus.h"
#include "platform/LeadByte.h"
#include "platform/PathText.h"
#include "platform/VolumeRoot.h"
#include "ui/FolderPicker.h"

#include <optional>

namespace {

bool IsFolder(const std::string& path) {
    // The file search would take a pattern for whatever folder it matches.
    if (path.empty() || HasWildcard(path)) return false;
    CFileStatus status;
    if (GetFileStatus(path, status)) return (status.m_attribute & FILE_ATTRIBUTE_DIRECTORY) != 0;
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

Outcome CHelperApp::RelocateDownload(const CHandedOver& download, const std::string& name,
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
        while (IsSamePath(download.m_strPath, ComposeTarget(folder, name, IsAnsiLeadByte))) {
            inPlace = true;
            if (const auto refused = PickAnotherFolder(*this, IDP_SAME_PATH, folder)) {
                return keptIfInPlace(*refused);
            }
        }
        // Gone, or replaced by the browser's next download, before the move or
        // while the user was asked: nothing of this download to keep, and the
        // other file is left for its own helper.
        if (!IsStillHandedOver(download)) return Outcome::SourceGone;

        const Outcome moved = MoveToFolder(download, name, folder);
        if (moved != Outcome::NotHandled) return moved;
        if (const auto refused = PickAnotherFolder(*this, IDP_MOVE_FAILED, folder)) {
            return keptIfInPlace(*refused);
        }
    }
}

Outcome CHelperApp::MoveToFolder(const CHandedOver& download, const std::string& name,
                                 const std::string& folder) {
    // A file that couldn't be read at the start can't be told to have
    // arrived whole.
    if (!download.m_bRecorded) return Outcome::NotHandled;
    RecoverStagingFolders(folder);
    std::string target;
    if (!MoveUnderFreeName(download, folder, name, target)) return Outcome::NotHandled;
    return LaunchArchiver(target, folder) ? Outcome::KeptAndOpened : Outcome::KeptNotOpened;
}
