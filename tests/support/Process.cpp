#include "Process.h"

#include <vector>

CChildProcess::~CChildProcess() {
    if (m_info.hProcess != nullptr) {
        if (WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(m_info.hProcess, 1);
            WaitForSingleObject(m_info.hProcess, 5000);
        }
        CloseHandle(m_info.hProcess);
    }
    if (m_info.hThread != nullptr) CloseHandle(m_info.hThread);
}

bool CChildProcess::Start(const std::string& commandLine, const std::string& workingFolder) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup,
                          &m_info) != FALSE;
}

bool CChildProcess::Wait(DWORD timeoutMs, DWORD* exitCode) {
    if (m_info.hProcess == nullptr) return false;
    if (WaitForSingleObject(m_info.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    if (exitCode != nullptr) GetExitCodeProcess(m_info.hProcess, exitCode);
    return true;
}

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }
