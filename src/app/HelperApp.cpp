#include "app/HelperApp.h"

#include "app/Settings.h"
#include "app/VersionCheck.h"
#include "platform/CommandLine.h"

namespace {

constexpr char kVersionMessage[] =
    "Windows 95 or NT 4.0 is required by this pre-release beta version of the Ombrix Netscape "
    "Helper.";

}  // namespace

CHelperApp::CHelperApp() : CWinApp(nullptr) {}

int CHelperApp::OnStartup() {
    if (!IsSupportedVersion(GetVersion())) {
        MessageBoxA(nullptr, kVersionMessage, nullptr, MB_OK | MB_ICONSTOP);
        return 0;
    }

    SetCompanyKey(kCompanyKey);
    const std::string folder = GetSettingString(kSettingsSection, kLaunchDirValue, kDefaultFolder);
    Enable3dControls();

    if (IsSwitch(m_strCommandLine.c_str(), kRemoveSwitch)) {
        RemoveViewer();
    } else if (!m_strCommandLine.empty()) {
        HandleDownload(folder);
    } else {
        RunSetup(folder);
    }
    return 0;
}
