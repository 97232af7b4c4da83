// Stands in for the browser handing downloads to its viewer, as Navigator
// does: it writes each download to a temporary file, records the file's URL
// under the file's full path in Navigator's "Temporary File URL Resolution"
// table, starts the viewer registered for the MIME type with the temporary
// path as its argument, waits for it, and then deletes its temporary files as
// a closing browser does.
//
//   navigator_standin --url URL --type MIME (--from FILE | --size N)
//                     [--count K] [--temp FOLDER] [--report FILE] [--quote]
//                     [--timeout MS]
//
// --count K hands K downloads over at the same moment, one viewer process
// each; "{n}" in the URL becomes the download's number, 1 to K. --quote puts
// the temporary path in double quotes on the viewer's command line. The report
// gets one line per event, flushed at once:
//   started|<viewer process id>|<temporary file>
//   ended|<viewer process id>|<exit code>|present or absent|<temporary file>
//   timeout|<viewer process id>|<temporary file>
// where present/absent tells whether the temporary file still existed when its
// viewer ended, before the clean-up. Exit code 0 when every viewer started and
// ended in time.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr char kNavigatorKey[] = "Software\\Netscape\\Netscape Navigator";
constexpr char kUrlTableKey[] =
    "Software\\Netscape\\Netscape Navigator\\Temporary File URL Resolution";
constexpr char kViewersKey[] = "Software\\Netscape\\Netscape Navigator\\Viewers";

struct Options {
    std::string url;
    std::string type;
    std::string from;
    long long size = -1;
    int count = 1;
    std::string tempFolder;
    std::string report;
    bool quote = false;
    DWORD timeoutMs = 60000;
};

struct Download {
    std::string tempFile;
    std::string url;
    PROCESS_INFORMATION process = {};
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--quote") {
            options.quote = true;
            continue;
        }
        if (i + 1 >= argc) return false;
        const std::string value = argv[++i];
        if (name == "--url") options.url = value;
        else if (name == "--type") options.type = value;
        else if (name == "--from") options.from = value;
        else if (name == "--size") options.size = std::atoll(value.c_str());
        else if (name == "--count") options.count = std::atoi(value.c_str());
        else if (name == "--temp") options.tempFolder = value;
        else if (name == "--report") options.report = value;
        else if (name == "--timeout") options.timeoutMs = static_cast<DWORD>(std::atol(value.c_str()));
        else return false;
    }
    return !options.url.empty() && !options.type.empty() &&
           (!options.from.empty() || options.size >= 0) && options.count >= 1 &&
           options.count <= MAXIMUM_WAIT_OBJECTS;
}

// The bytes of download n of a given size: a pattern the tests can check,
// beginning with "#n|" so that downloads of one name are told apart.
std::string PatternBytes(long long size, int n) {
    std::string bytes(static_cast<std::size_t>(size), '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 131 + 7) & 0xFF);
    const std::string stamp = "#" + std::to_string(n) + "|";
    bytes.replace(0, std::min(stamp.size(), bytes.size()), stamp, 0, bytes.size());
    return bytes;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    char chunk[4096];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
    std::fclose(file);
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

std::string FullPath(const std::string& path) {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : path;
}

std::string Replace(std::string text, const std::string& what, const std::string& with) {
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size())) {
        text.replace(at, what.size(), with);
    }
    return text;
}

class CReport {
public:
    explicit CReport(const std::string& path)
        : m_file(path.empty() ? nullptr : std::fopen(path.c_str(), "ab")) {}
    ~CReport() {
        if (m_file != nullptr) std::fclose(m_file);
    }
    CReport(const CReport&) = delete;
    CReport& operator=(const CReport&) = delete;

    void Line(const std::string& line) {
        if (m_file == nullptr) return;
        std::fputs((line + "\r\n").c_str(), m_file);
        std::fflush(m_file);
    }

private:
    FILE* m_file;
};

bool SetString(const char* keyPath, const std::string& name, const std::string& text) {
    HKEY key = nullptr;
    if (RegCreateKeyA(HKEY_CURRENT_USER, keyPath, &key) != ERROR_SUCCESS) return false;
    const LONG result = RegSetValueExA(key, name.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(text.c_str()),
                                       static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

void DeleteValue(const char* keyPath, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, keyPath, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
}

std::string Viewer(const std::string& type) {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, kViewersKey, &key) != ERROR_SUCCESS) return {};
    char buffer[MAX_PATH] = {};
    DWORD size = MAX_PATH - 1;
    DWORD valueType = 0;
    const LONG result = RegQueryValueExA(key, type.c_str(), nullptr, &valueType,
                                         reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && valueType == REG_SZ ? std::string(buffer) : std::string();
}

std::string TempFolder(const Options& options) {
    if (!options.tempFolder.empty()) return FullPath(options.tempFolder);
    char buffer[MAX_PATH] = {};
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    std::string folder(buffer, length < MAX_PATH ? length : 0);
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Options options;
    if (!ParseOptions(__argc, __argv, options)) return 2;
    CReport report(options.report);

    std::string fromBytes;
    if (!options.from.empty() && !ReadWholeFile(options.from, fromBytes)) return 2;
    // Navigator's tables exist wherever it is installed.
    HKEY navigator = nullptr;
    if (RegCreateKeyA(HKEY_CURRENT_USER, kNavigatorKey, &navigator) == ERROR_SUCCESS) {
        RegCloseKey(navigator);
    }
    const std::string viewer = Viewer(options.type);
    if (viewer.empty()) return 3;

    const std::string folder = TempFolder(options);
    CreateDirectoryA(folder.c_str(), nullptr);
    std::vector<Download> downloads(static_cast<std::size_t>(options.count));
    for (int n = 1; n <= options.count; ++n) {
        Download& download = downloads[static_cast<std::size_t>(n - 1)];
        download.tempFile = folder + "\\M" + std::to_string(GetCurrentProcessId()) + "_" +
                            std::to_string(n) + ".TMP";
        download.url = Replace(options.url, "{n}", std::to_string(n));
        const std::string bytes = options.from.empty() ? PatternBytes(options.size, n) : fromBytes;
        if (!WriteWholeFile(download.tempFile, bytes) ||
            !SetString(kUrlTableKey, download.tempFile, download.url)) {
            return 4;
        }
    }

    // Every viewer starts before the first is waited for: the downloads are
    // handed over at the same moment.
    std::vector<HANDLE> running;
    int result = 0;
    for (Download& download : downloads) {
        const std::string argument = options.quote ? "\"" + download.tempFile + "\"" : download.tempFile;
        std::string commandLine = "\"" + viewer + "\" " + argument;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        if (!CreateProcessA(viewer.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &download.process)) {
            report.Line("failed|0|" + download.tempFile);
            result = 5;
            continue;
        }
        running.push_back(download.process.hProcess);
        report.Line("started|" + std::to_string(download.process.dwProcessId) + "|" +
                    download.tempFile);
    }

    if (!running.empty()) {
        WaitForMultipleObjects(static_cast<DWORD>(running.size()), running.data(), TRUE,
                               options.timeoutMs);
    }
    for (Download& download : downloads) {
        if (download.process.hProcess == nullptr) continue;
        const std::string pid = std::to_string(download.process.dwProcessId);
        DWORD exitCode = 0;
        if (WaitForSingleObject(download.process.hProcess, 0) != WAIT_OBJECT_0) {
            // Only the viewers this browser started, by their own handles.
            TerminateProcess(download.process.hProcess, 1);
            WaitForSingleObject(download.process.hProcess, 5000);
            report.Line("timeout|" + pid + "|" + download.tempFile);
            result = 6;
        } else {
            GetExitCodeProcess(download.process.hProcess, &exitCode);
            const bool present = GetFileAttributesA(download.tempFile.c_str()) != INVALID_FILE_ATTRIBUTES;
            report.Line("ended|" + pid + "|" + std::to_string(exitCode) + "|" +
                        (present ? "present" : "absent") + "|" + download.tempFile);
        }
        CloseHandle(download.process.hThread);
        CloseHandle(download.process.hProcess);
    }

    // The browser closes: its temporary files and their entries go.
    for (const Download& download : downloads) {
        DeleteFileA(download.tempFile.c_str());
        DeleteValue(kUrlTableKey, download.tempFile);
    }
    return result;
}
