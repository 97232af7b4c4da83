#include "download/Staging.h"

#include "download/FreeName.h"
#include "download/Recovery.h"
#include "download/StagingName.h"
#include "download/TargetName.h"
#include "platform/FileBytes.h"
#include "platform/LeadByte.h"

namespace {

constexpr char kRecordName[] = "~RUN";
constexpr char kCopyName[] = "~PART";
// A record is a few hundred bytes; anything much longer is not one.
constexpr DWORD kMaxRecordBytes = 16 * 1024;

std::string Inside(const std::string& folder, const char* name) {
    return ComposeTarget(folder, name, IsAnsiLeadByte);
}

bool WriteAll(const CHandle& file, const std::string& text) {
    DWORD written = 0;
    return WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

std::string ReadAll(const CHandle& file) {
    std::string text(kMaxRecordBytes, '\0');
    DWORD read = 0;
    if (!ReadFile(file.Get(), &text[0], kMaxRecordBytes, &read, nullptr)) read = 0;
    text.resize(read);
    return text;
}

// What stands at copy, judged by the record when there is one; never waits.
CopyState CopyStateOf(const std::string& copy, const CStagingRecord* record) {
    CFileBytes bytes(copy, 0);
    if (!bytes.IsOpen()) return WasAbsent(bytes.Error()) ? CopyState::Absent : CopyState::Unknown;
    return record && IsWholeCopy(bytes, record->m_sample) ? CopyState::Whole : CopyState::NotWhole;
}

// One staging folder that no living run may hold.
void Recover(const std::string& folder) {
    const std::string recordPath = Inside(folder, kRecordName);
    // Opened without sharing: a living run's record refuses (it is held), and
    // while this run holds it no other run judges the folder at once.
    CHandle held(CreateFileA(recordPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!held.IsValid()) return;
    CStagingRecord record;
    const bool recordRead = ParseStagingRecord(ReadAll(held), record);
    const std::string copy = Inside(folder, kCopyName);

    std::string target;
    switch (DecideRecovery(recordRead, CopyStateOf(copy, recordRead ? &record : nullptr))) {
    case Recovery::Leave:
        return;
    case Recovery::NameCopy:
        if (!GiveFreeName(copy, record.m_strFolder, record.m_strName, 0, target)) return;
        break;
    case Recovery::RemoveCopy:
        if (!DeleteFileA(copy.c_str()) && !WasAbsent(GetLastError())) return;
        break;
    case Recovery::CleanUp:
        break;
    }
    held.Reset();
    DeleteFileA(recordPath.c_str());
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

CStagingFolder::CStagingFolder(const std::string& downloadFolder, const CStagingRecord& record) {
    const std::string parent = StagingParent(downloadFolder, IsAnsiLeadByte);
    for (unsigned n = 0; n < kStagingFolders; ++n) {
        const std::string path = Inside(parent, StagingFolderName(n).c_str());
        if (!FitsFolderPath(path)) return;
        if (CreateDirectoryA(path.c_str(), nullptr)) {
            Hold(path, record);
            return;
        }
        if (!IsTaken(path, GetLastError())) return;
    }
}

void CStagingFolder::Hold(const std::string& path, const CStagingRecord& record) {
    const std::string recordPath = Inside(path, kRecordName);
    CHandle file(CreateFileA(recordPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    // On the disk before the move begins, so that even a power cut leaves a
    // copy that a later run can judge.
    if (file.IsValid() && WriteAll(file, FormatStagingRecord(record)) &&
        FlushFileBuffers(file.Get())) {
        m_strPath = path;
        m_record = std::move(file);
        return;
    }
    if (file.IsValid()) {
        file.Reset();
        DeleteFileA(recordPath.c_str());
    }
    RemoveDirectoryA(path.c_str());
}

CStagingFolder::~CStagingFolder() {
    if (!IsReady()) return;
    m_record.Reset();
    if (!m_bCopyAccountedFor) return;
    DeleteFileA(Inside(m_strPath, kRecordName).c_str());
    RemoveDirectoryA(m_strPath.c_str());
}

std::string CStagingFolder::CopyPath() const { return Inside(m_strPath, kCopyName); }

void RecoverStagingFolders(const std::string& folder) {
    if (folder.empty()) return;
    const std::string parent = StagingParent(folder, IsAnsiLeadByte);
    WIN32_FIND_DATAA entry = {};
    const CFindHandle search(FindFirstFileA(Inside(parent, "~D*").c_str(), &entry));
    if (!search.IsValid()) return;
    // A folder that goes while the search runs is no harm to it, on 9x or NT.
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            IsStagingFolderName(entry.cFileName)) {
            Recover(Inside(parent, entry.cFileName));
        }
    } while (FindNextFileA(search.Get(), &entry));
}
