#pragma once
#include "platform/Win.h"

#include <string>

// The framework's application object. WinMain hands the process to the
// program's one instance: initialisation, then OnStartup, then (only when
// start-up asks for it) a message loop, then exit handling.
class CWinApp {
public:
    // A null name lets the framework take the name from the executable.
    explicit CWinApp(const char* appName = nullptr);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp() = default;

    // Records the instance, the command-line tail and the show state, derives
    // the executable and application names, and sets the error mode.
    void InitApplication(HINSTANCE instance, int showCommand);

    // Runs start-up and what follows it; returns the process exit code.
    int Run();

    HINSTANCE m_hInstance = nullptr;
    // The command line without the program name and the blanks behind it.
    std::string m_strCommandLine;
    int m_nCmdShow = SW_SHOWNORMAL;
    // The executable's base name, and the name that captions and keys use.
    std::string m_strExeName;
    std::string m_strAppName;
    // Where the settings live: Software\<company>\<profile name>.
    std::string m_strCompanyKey;
    std::string m_strProfileName;
    // The program's main window; never set by a program without one.
    HWND m_hMainWnd = nullptr;

protected:
    // Start-up; a result of 0 ends the program without a message loop.
    virtual int OnStartup() = 0;

    // Gives dialog controls the three-dimensional look where the system does
    // not draw them so itself. Returns whether the look is available.
    bool Enable3dControls() const;

private:
    int MessageLoop();
};

// The program's one application object; defined by the program, run by WinMain.
CWinApp& TheApplication();
