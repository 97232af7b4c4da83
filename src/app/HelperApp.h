#pragma once
#include "platform/WinApp.h"

#include <string>

// Where the one setting lives, and what it is when nothing was stored.
inline constexpr char kCompanyKey[] = "Quenlock";
inline constexpr char kSettingsSection[] = "Settings";
inline constexpr char kLaunchDirValue[] = "LaunchDir";
inline constexpr char kDefaultFolder[] = "C:\\Download";

// The application object. Each process does one job: started with a path it
// keeps that download, started without one it runs setup.
class CHelperApp : public CWinApp {
public:
    CHelperApp();

    // Refuses Windows NT before 4.0, reads the download folder and dispatches.
    // Always 0: the program has no message loop.
    int OnStartup() override;

    // Settings store, under HKCU\Software\<company>\<application name>.
    void SetCompanyKey(const char* company);
    // The stored text, or a copy of the default when it cannot be read.
    std::string GetSettingString(const char* section, const char* entry,
                                 const char* defaultValue) const;
    // Nonzero when the platform stored the text as REG_SZ.
    int WriteSettingString(const char* section, const char* entry, const std::string& text) const;

    // Download road: keeps the file named on the command line.
    void HandleDownload(std::string folder);
    // 1 when the file was moved into the folder and the archive utility
    // started; 0 otherwise. A failed move asks for another folder (112).
    int RelocateDownload(const std::string& source, const std::string& name, std::string folder);
    // Moves the file into the folder under the first free variant of name and
    // starts the archive utility on it: a MoveResult.
    int MoveToFolder(const std::string& source, const std::string& name, const std::string& folder);
    // 1 when the shell started the archive utility on the file.
    int LaunchArchiver(const std::string& file, const std::string& folder);

    // Setup road: the setup dialog, then registration and its message.
    void RunSetup(const std::string& folder);
    // 0 registered, 1 Navigator not installed, 2 a registry write failed.
    int RegisterViewer();
};
