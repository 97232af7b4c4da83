#include "DownloadBench.h"

#include "Known.h"
#include "Registry.h"

#include <algorithm>
#include <cstdio>

namespace dlbench {

std::vector<std::vector<std::string>> ReadLines(const std::string& path) {
    std::vector<std::vector<std::string>> lines;
    const std::string text = ReadBytes(path);
    if (text == "<missing>") return lines;
    std::string::size_type start = 0;
    for (std::string::size_type end = text.find("\r\n"); end != std::string::npos;
         start = end + 2, end = text.find("\r\n", start)) {
        std::vector<std::string> fields;
        const std::string line = text.substr(start, end - start);
        std::string::size_type from = 0;
        for (std::string::size_type bar = line.find('|'); bar != std::string::npos;
             from = bar + 1, bar = line.find('|', from)) {
            fields.push_back(line.substr(from, bar - from));
        }
        fields.push_back(line.substr(from));
        lines.push_back(fields);
    }
    return lines;
}

std::string PatternBytes(std::size_t size, int n) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + 7) & 0xFF);
    const std::string stamp = "#" + std::to_string(n) + "|";
    bytes.replace(0, std::min(stamp.size(), size), stamp, 0, size);
    return bytes;
}

std::vector<std::vector<std::string>> WaitForLaunches(const std::string& log, std::size_t count) {
    for (int i = 0; i < 1000 && ReadLines(log).size() < count; ++i) Sleep(10);
    Sleep(200);
    return ReadLines(log);
}

std::string StoredLaunchDir() {
    DWORD type = 0;
    std::string bytes;
    if (!testreg::ReadValue(HKEY_CURRENT_USER, kSettingsKey, "LaunchDir", &type, &bytes)) {
        return "<none>";
    }
    return bytes.substr(0, bytes.find('\0'));
}

}  // namespace dlbench
