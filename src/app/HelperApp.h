#pragma once
#include "download/HandedOver.h"
#include "download/Outcome.h"
#include "platform/RegKey.h"
#include "platform/WinApp.h"

#include <string>

// The command-line tail that removes the helper from Navigator. No browser
// hands over a path that starts with "/".
inline constexpr char kRemoveSwitch[] = "/remove";

// The application object. Each process does one job: started with a path it
// keeps that download, with /remove it takes itself out of Navigator,
// started without an argument it runs setup.
class CHelperApp : public CWinApp {
public:
    CHelperApp();

    // Refuses Windows NT before 4.0, reads the download folder and dispatches.
    // Always 0: the program has no message loop.
    int OnStartup() override;

    // Settings store, under HKCU\Software\<company>\<application name>.
    void SetCompanyKey(const char* company);
    // That key's path below HKEY_CURRENT_USER.
    std::string GetAppKeyPath() const;
    // A key below it, opened for reading and writing and created where missing
    // (the company and application keys too); not open when that fails.
    CRegKey GetSectionKey(const char* section) const;
    // The stored text, or a copy of the default when it cannot be read.
    std::string GetSettingString(const char* section, const char* entry,
                                 const char* defaultValue) const;
    // True when the platform stored the text as REG_SZ.
    bool WriteSettingString(const char* section, const char* entry, const std::string& text) const;

    // Download road: keeps the file named on the command line.
    void HandleDownload(std::string folder);
    // Moves the file into the folder, asking for another folder where it
    // can't be made (110), would be the file's own place (111) or the move
    // fails (112); then starts the archive utility on it. Says what became
    // of the download; SourceGone once the file at its path is no longer the
    // one handed over.
    Outcome RelocateDownload(const CHandedOver& download, const std::string& name,
                             std::string folder);
    // Puts right what earlier runs left half-way in the folder's staging
    // folders, moves the file into the folder under the first free variant
    // of name and starts the archive utility on it: KeptAndOpened,
    // KeptNotOpened, or NotHandled when the file did not arrive whole.
    Outcome MoveToFolder(const CHandedOver& download, const std::string& name,
                         const std::string& folder);
    // True when the shell started the archive utility on the file; else 105
    // was shown.
    bool LaunchArchiver(const std::string& file, const std::string& folder);

    // Setup road: the setup dialog, then registration and its message.
    void RunSetup(const std::string& folder);
    enum class Registration { Done, NavigatorMissing, WriteFailed };
    // Writes the helper into Navigator's viewer, type and suffix tables,
    // remembering the viewers and suffixes it replaces.
    Registration RegisterViewer();

    // Removal road (/remove): asks, puts back what setup replaced, deletes
    // the program's keys, and reports.
    void RemoveViewer();
};
