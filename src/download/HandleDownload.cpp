#include "app/HelperApp.h"
#include "download/QuotedArgument.h"
#include "download/SafeName.h"
#include "download/UrlName.h"
#include "platform/FileStatus.h"
#include "platform/LeadByte.h"
#include "platform/PathText.h"
#include "platform/RegKey.h"

#include <utility>

namespace {

constexpr char kUrlTableKey[] =
    "Software\\Netscape\\Netscape Navigator\\Temporary File URL Resolution";

// A URL of 260 bytes at most, terminator included.
constexpr DWORD kUrlBytes = MAX_PATH;

// The name Navigator downloaded the file under: the last component of the URL
// it recorded for the temporary file, or defaultName when there is none.
std::string DownloadName(const std::string& temporaryFile, const std::string& defaultName) {
    CRegKey table;
    CRegText url;
    if (table.Open(HKEY_CURRENT_USER, kUrlTableKey) != ERROR_SUCCESS ||
        table.QueryText(temporaryFile.c_str(), kUrlBytes, url) != ERROR_SUCCESS ||
        url.m_dwType != REG_SZ || url.m_strText.empty()) {
        return defaultName;
    }
    std::string name = defaultName;
    LastUrlComponent(url.m_strText, url.m_dwSize, name, IsAnsiLeadByte);
    return name;
}

// Whether Navigator recorded the file as one of its temporary files: only
// such a file is the browser's to lose, and so ours to delete.
bool IsBrowserTemporaryFile(const std::string& path) {
    CRegKey table;
    CRegText url;
    if (table.Open(HKEY_CURRENT_USER, kUrlTableKey) != ERROR_SUCCESS) return false;
    const LONG result = table.QueryText(path.c_str(), kUrlBytes, url);
    return result == ERROR_SUCCESS || result == ERROR_MORE_DATA;
}

}  // namespace

void CHelperApp::HandleDownload(std::string folder) {
    const std::string argument = UnquotedArgument(m_strCommandLine, IsAnsiLeadByte);

    // Without a full path there is nothing to look up, move or delete; a path
    // with a wildcard names no single file, and the shell and the file search
    // would take it as a pattern for many. A folder is no download, and a
    // file that is gone leaves nothing to keep.
    std::string source;
    std::string::size_type namePart = std::string::npos;
    if (!GetFullPath(argument, source, namePart) || HasWildcard(source)) return;
    CFileStatus status;
    if (!GetFileStatus(source, status) || (status.m_attribute & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return;
    }
    // What the browser handed over, so that only that file moves, and a
    // decline deletes that file only, never the next download the browser
    // puts under its name.
    const CHandedOver download = RecordHandedOver(source);
    const std::string defaultName =
        namePart != std::string::npos ? source.substr(namePart) : std::string();

    // The URL is not trusted to give a name the file system takes as a file.
    const std::string name =
        SafeFileName(DownloadName(source, defaultName), defaultName, IsAnsiLeadByte);
    if (name.empty()) return;

    // Only a decline lets the download go, and only the browser's own
    // temporary file, unchanged, as the browser would delete it; a user's
    // own file stays. Whatever else happened, nothing is deleted: the file
    // was kept, lies at its target already, is gone, or nobody decided.
    const Outcome outcome = RelocateDownload(download, name, std::move(folder));
    if (DeletesTemporaryFile(outcome) && download.m_bRecorded && IsStillHandedOver(download) &&
        IsBrowserTemporaryFile(source)) {
        DeleteFileA(source.c_str());
    }
}
