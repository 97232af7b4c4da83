#include "download/FreeNameMove.h"

#include "download/TargetName.h"
#include "platform/FileIdentity.h"
#include "platform/FileStatus.h"
#include "platform/LeadByte.h"
#include "platform/PathText.h"
#include "platform/ShellFileOp.h"

namespace {

// Folders left by runs that ended half-way are passed over, up to this many.
constexpr unsigned kStagingAttempts = 1000;

// The name the file has in the folder of its own when its download name
// would make that path too long there.
constexpr char kShortStagedName[] = "~";

bool Exists(const std::string& path) {
    CFileStatus status;
    return GetFileStatus(path, status);
}

// Whether a create or rename at path failed because the name is taken. NT
// says so in the error; Windows 9x, like MS-DOS before it, may answer
// ERROR_ACCESS_DENIED instead, so there the name itself is looked at.
bool IsTaken(const std::string& path, DWORD error) {
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS || Exists(path);
}

bool Fits(const std::string& path) { return path.size() < MAX_PATH; }  // with its terminator

// A new, empty folder of this run's own inside the download folder: "~D0",
// "~D1", ..., short so that a long download path still fits in it. Removed
// when it goes, and only when empty: a file that stays in it stays with it.
class CStagingFolder {
public:
    CStagingFolder(const CStagingFolder&) = delete;
    CStagingFolder& operator=(const CStagingFolder&) = delete;
    explicit CStagingFolder(const std::string& folder) {
        for (unsigned n = 0; n < kStagingAttempts; ++n) {
            const std::string path = ComposeTarget(folder, "~D" + std::to_string(n), IsAnsiLeadByte);
            if (!Fits(path)) return;
            if (CreateDirectoryA(path.c_str(), nullptr)) {
                m_strPath = path;
                return;
            }
            if (!IsTaken(path, GetLastError())) return;
        }
    }
    ~CStagingFolder() {
        if (!m_strPath.empty()) RemoveDirectoryA(m_strPath.c_str());
    }

    // Empty when no folder could be made.
    const std::string& Path() const { return m_strPath; }

private:
    std::string m_strPath;
};

// Gives the staged file the first free name in the folder; false when every
// name that fits is taken or the system refuses for another reason.
bool NameFreely(const std::string& staged, const std::string& folder, const std::string& name,
                std::string& target) {
    for (unsigned n = 1;; ++n) {
        target = ComposeTarget(folder, n == 1 ? name : NumberedName(name, n), IsAnsiLeadByte);
        if (!Fits(target)) return false;
        if (MoveFileA(staged.c_str(), target.c_str())) return true;
        if (!IsTaken(target, GetLastError())) return false;
    }
}

}  // namespace

bool MoveUnderFreeName(const std::string& source, const std::string& folder,
                       const std::string& name, std::string& target) {
    CFileIdentity download;
    const std::string first = ComposeTarget(folder, name, IsAnsiLeadByte);
    if (!Fits(first) || HasWildcard(first) || !GetFileIdentity(source, download)) return false;

    const CStagingFolder staging(folder);
    if (staging.Path().empty()) return false;
    std::string staged = ComposeTarget(staging.Path(), name, IsAnsiLeadByte);
    if (!Fits(staged)) staged = ComposeTarget(staging.Path(), kShortStagedName, IsAnsiLeadByte);

    ShellMoveFile(source, staged);
    // The download is still at its source: the move did not happen, or only
    // a part of it (a copy to another drive cancelled or failed, a source
    // that could not be deleted after its copy). What lies in the staging
    // folder is this run's own. A new file under the source's name, the
    // browser's next download, is no sign of that.
    if (IsStillFile(source, download) || !Exists(staged)) {
        DeleteFileA(staged.c_str());
        return false;
    }

    if (NameFreely(staged, folder, name, target)) return true;
    // No name could be given: back to where the browser left it, which never
    // replaces either. Where even that fails, the file stays in the staging
    // folder, inside the download folder: kept there.
    if (MoveFileA(staged.c_str(), source.c_str())) return false;
    target = staged;
    return true;
}
