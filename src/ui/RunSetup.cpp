#include "app/HelperApp.h"
#include "app/Settings.h"
#include "app/ShowMessage.h"
#include "ui/SetupDlg.h"

void CHelperApp::RunSetup(const std::string& folder) {
    CSetupDlg dialog(nullptr);
    dialog.m_strFolder = folder;
    if (dialog.DoModal() != IDOK) return;

    // Nothing may claim a folder is used that wasn't saved: no registration then.
    if (!WriteSettingString(kSettingsSection, kLaunchDirValue, dialog.m_strFolder)) {
        ShowMessage(IDP_REGISTER_FAILED, MB_OK);
        return;
    }
    switch (RegisterViewer()) {
    case Registration::Done:
        ShowMessage(IDP_REGISTERED, MB_OK | MB_ICONINFORMATION);
        break;
    case Registration::NavigatorMissing:
        ShowMessage(IDP_NAVIGATOR_MISSING, MB_OK);
        break;
    default:
        ShowMessage(IDP_REGISTER_FAILED, MB_OK);
        break;
    }
}
