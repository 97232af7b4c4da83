#include "download/FreeNameMove.h"

#include "download/FreeName.h"
#include "download/Staging.h"
#include "download/TargetName.h"
#include "platform/FileBytes.h"
#include "platform/InUse.h"
#include "platform/LeadByte.h"
#include "platform/PathText.h"
#include "platform/ShellFileOp.h"

namespace {

bool ArrivedWhole(const std::string& copy, const CFileSample& sample) {
    CFileBytes bytes(copy, kInUsePatienceMs);
    return bytes.IsOpen() && IsWholeCopy(bytes, sample);
}

// Whether a delete or rename left nothing where it looked: it succeeded, or
// there was nothing to begin with.
bool LeftNothing(BOOL done) { return done || WasAbsent(GetLastError()); }

}  // namespace

bool MoveUnderFreeName(const CHandedOver& download, const std::string& folder,
                       const std::string& name, std::string& target) {
    const std::string first = ComposeTarget(folder, name, IsAnsiLeadByte);
    if (!FitsPath(first) || HasWildcard(first)) return false;

    const std::string& source = download.m_strPath;
    CStagingFolder staging(folder, {folder, name, source, download.m_sample});
    if (!staging.IsReady()) return false;
    const std::string copy = staging.CopyPath();
    staging.SetCopyAccountedFor(false);
    ShellMoveFile(source, copy);

    if (ArrivedWhole(copy, download.m_sample)) {
        if (GiveFreeName(copy, folder, name, kInUsePatienceMs, target)) {
            staging.SetCopyAccountedFor(true);
            return true;
        }
        // No name could be given: back where the browser left it, which
        // never replaces either. Where even that fails, it stays, whole, for
        // a later run to name.
        staging.SetCopyAccountedFor(MoveFileA(copy.c_str(), source.c_str()) != FALSE);
        return false;
    }
    // The download is still whole at its source: the move did not happen, or
    // only a part of it (a copy to another drive cancelled, failed, or whose
    // source could not be deleted). What the staging folder holds is this
    // run's own.
    if (IsStillFile(source, download.m_identity)) {
        staging.SetCopyAccountedFor(LeftNothing(DeleteFileA(copy.c_str())));
        return false;
    }
    // Neither whole here nor provably at its source: whatever arrived goes
    // back, never replacing; where that fails it stays for a later run.
    staging.SetCopyAccountedFor(LeftNothing(MoveFileA(copy.c_str(), source.c_str())));
    return false;
}
