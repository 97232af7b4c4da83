#include "app/HelperApp.h"
#include "app/Settings.h"
#include "app/ShowMessage.h"
#include "download/RelocateDownload.h"
#include "download/Staging.h"
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
    // What runs that ended half-way left there is put right before the
    // folder is used again.
    RecoverStagingFolders(DownloadFolder(dialog.m_strFolder));
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
