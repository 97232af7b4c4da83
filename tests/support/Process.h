#pragma once
// Programs that a test starts. A program still running when its owner goes is
// ended by its own handle: a test ends only what it started.
#include <windows.h>

#include <string>

class CChildProcess {
public:
    CChildProcess() = default;
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;
    ~CChildProcess();

    // CreateProcessA with the whole command line; workingFolder empty for the
    // test's own. False when the program could not be started.
    bool Start(const std::string& commandLine, const std::string& workingFolder = {});
    DWORD Id() const { return m_info.dwProcessId; }
    HANDLE Handle() const { return m_info.hProcess; }
    // Waits for the end; false on time-out. exitCode may be null.
    bool Wait(DWORD timeoutMs, DWORD* exitCode = nullptr);

private:
    PROCESS_INFORMATION m_info = {};
};

// The folder of the running test program, ending in '\'.
std::string ProgramFolder();

// Quotes a path for a command line: "path".
std::string Quoted(const std::string& path);
