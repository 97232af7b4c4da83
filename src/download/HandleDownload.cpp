#include "app/HelperApp.h"
#include "download/QuotedArgument.h"
#include "download/Relocation.h"
#include "download/SafeName.h"
#include "download/TargetName.h"
#include "download/UrlName.h"
#include "platform/FileStatus.h"
#include "platform/Module.h"
#include "platform/RegKey.h"

namespace {

constexpr char kUrlTableKey[] =
    "Software\\Netscape\\Netscape Navigator\\Temporary File URL Resolution";

// The name Navigator downloaded the file under: the last component of the URL
// it recorded for the temporary file, or defaultName when there is none.
std::string DownloadName(const std::string& temporaryFile, const std::string& defaultName) {
    CRegKey table;
    if (table.Open(HKEY_CURRENT_USER, kUrlTableKey) != ERROR_SUCCESS) return defaultName;

    // A URL of 260 bytes at most, terminator included; one more byte keeps the
    // text terminated whatever the registry wrote.
    char url[MAX_PATH + 1] = {};
    DWORD type = 0;
    DWORD size = MAX_PATH;
    const LONG result = RegQueryValueExA(table.Get(), temporaryFile.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(url), &size);
    if (result != ERROR_SUCCESS || type != REG_SZ || url[0] == '\0') return defaultName;

    std::string name = defaultName;
    LastUrlComponent(std::string_view(url, MAX_PATH), size, name, IsAnsiLeadByte);
    return name;
}

// Whether Navigator recorded the file as one of its temporary files: only
// such a file is the browser's to lose, and so ours to delete.
bool IsBrowserTemporaryFile(const std::string& path) {
    CRegKey table;
    if (table.Open(HKEY_CURRENT_USER, kUrlTableKey) != ERROR_SUCCESS) return false;
    DWORD size = 0;
    const LONG result = RegQueryValueExA(table.Get(), path.c_str(), nullptr, nullptr, nullptr, &size);
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
    if (!GetFileStatus(source, status) || (status.m_attribute & kDirectoryAttribute) != 0) return;
    const std::string defaultName =
        namePart != std::string::npos ? source.substr(namePart) : std::string();

    // The URL is not trusted to give a name the file system takes as a file.
    const std::string name =
        SafeFileName(DownloadName(source, defaultName), defaultName, IsAnsiLeadByte);
    if (name.empty()) return;

    if (RelocateDownload(source, name, folder) != 0) return;

    // Only the browser's temporary file goes, as the browser would delete it;
    // a user's own file stays. A download that already lies at its target in
    // the download folder, at start-up or as picked since, is kept for good.
    if (!IsBrowserTemporaryFile(source)) return;
    const std::string current = GetSettingString(kSettingsSection, kLaunchDirValue, kDefaultFolder);
    if (IsSamePath(source, ComposeTarget(folder, name, IsAnsiLeadByte)) ||
        IsSamePath(source, ComposeTarget(current, name, IsAnsiLeadByte))) {
        return;
    }
    DeleteFileA(source.c_str());
}
