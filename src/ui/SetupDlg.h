#pragma once
#include "platform/Dialog.h"
#include "platform/Handle.h"

#include <string>

// The setup dialog: explains what the helper does, shows the download folder
// (changed only through Browse...) and asks whether to register with
// Navigator. Yes ends it with IDOK, No, Esc and Close with IDCANCEL.
class CSetupDlg : public CDialog {
public:
    explicit CSetupDlg(CWnd* parent = nullptr);

    // Browse... : lets the user pick another folder for the edit.
    void OnBrowse();

    // The download folder; set before the run, read after Yes.
    std::string m_strFolder;
    // The program icon; a shared resource icon, never destroyed.
    HICON m_hIcon;

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool DoDataExchange(bool toMembers) override;
    BOOL OnInitDialog() override;

private:
    std::optional<LRESULT> OnSysCommand(WPARAM command, LPARAM position);
    std::optional<LRESULT> OnDestroy(WPARAM, LPARAM);
    std::optional<LRESULT> OnPaint(WPARAM, LPARAM);
    std::optional<LRESULT> OnQueryDragIcon(WPARAM, LPARAM);

    // The 16x16 image of the program icon, for the caption and the taskbar;
    // loaded unshared, so it is destroyed with the dialog object.
    CIcon m_smallIcon;

    static const CMessageEntry<CSetupDlg> s_messages[];
};
