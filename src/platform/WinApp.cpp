#include "platform/WinApp.h"

#include "platform/CommandLine.h"
#include "platform/LeadByte.h"
#include "platform/Module.h"
#include "platform/ModuleNames.h"

CWinApp::CWinApp(const char* appName) {
    if (appName != nullptr) m_strAppName = appName;
}

void CWinApp::InitApplication(HINSTANCE instance, int showCommand) {
    m_hInstance = instance;
    m_strCommandLine = CommandLineTail(GetCommandLineA(), IsAnsiLeadByte);
    m_nCmdShow = showCommand;
    m_strExeName = AppNameFromModulePath(GetModulePath(instance));
    if (m_strAppName.empty()) m_strAppName = m_strExeName;

    // No critical-error box for a drive without a medium, no box for a file
    // that cannot be opened: the program reports its own failures.
    SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

int CWinApp::Run() {
    int exitCode = 0;
    if (OnStartup() != 0) exitCode = MessageLoop();
    if (m_hMainWnd != nullptr) DestroyWindow(m_hMainWnd);
    return exitCode;
}

int CWinApp::MessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

bool CWinApp::Enable3dControls() const {
    if (LOBYTE(LOWORD(GetVersion())) >= 4) return true;

    // Older systems draw flat controls; their 3-D control library subclasses
    // the dialogs of the process when it is present.
    HMODULE library = LoadLibraryA("CTL3D32.DLL");
    if (library == nullptr) return false;
    using Ctl3dFn = BOOL(WINAPI*)(HINSTANCE);
    const auto reg = reinterpret_cast<Ctl3dFn>(
        reinterpret_cast<void*>(GetProcAddress(library, "Ctl3dRegister")));
    const auto subclass = reinterpret_cast<Ctl3dFn>(
        reinterpret_cast<void*>(GetProcAddress(library, "Ctl3dAutoSubclass")));
    if (reg == nullptr || subclass == nullptr || !reg(m_hInstance)) {
        FreeLibrary(library);
        return false;
    }
    // The library stays loaded for the life of the process.
    subclass(m_hInstance);
    return true;
}
