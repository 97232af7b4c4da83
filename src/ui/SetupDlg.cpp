#include "ui/SetupDlg.h"

#include "app/ShowMessage.h"
#include "platform/ModuleNames.h"
#include "platform/Module.h"
#include "platform/StringTable.h"
#include "ui/AboutDlg.h"
#include "ui/FolderPicker.h"
#include "ui/resource.h"

#include <vector>

const CMessageEntry<CSetupDlg> CSetupDlg::s_messages[] = {
    {WM_SYSCOMMAND, 0, 0, &CSetupDlg::OnSysCommand},
    {WM_DESTROY, 0, 0, &CSetupDlg::OnDestroy},
    {WM_PAINT, 0, 0, &CSetupDlg::OnPaint},
    {WM_QUERYDRAGICON, 0, 0, &CSetupDlg::OnQueryDragIcon},
    {WM_COMMAND, BN_CLICKED, IDC_BROWSE, &CSetupDlg::OnBrowse},
};

CSetupDlg::CSetupDlg(CWnd* parent)
    : CDialog(IDD_SETUP, parent),
      m_hIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

std::optional<LRESULT> CSetupDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchTable(*this, s_messages, message, wParam, lParam);
}

bool CSetupDlg::DoDataExchange(bool toMembers) {
    HWND edit = GetDlgItem(m_hWnd, IDC_FOLDER);
    if (edit == nullptr) return false;
    if (!toMembers) return SetWindowTextA(edit, m_strFolder.c_str()) != FALSE;

    // The whole text, however long.
    std::vector<char> text(static_cast<std::size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
    GetWindowTextA(edit, text.data(), static_cast<int>(text.size()));
    m_strFolder = text.data();
    return true;
}

BOOL CSetupDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    HMENU systemMenu = GetSystemMenu(m_hWnd, FALSE);
    const std::string aboutItem = LoadResourceString(GetModuleHandleA(nullptr), IDS_ABOUTBOX);
    if (systemMenu != nullptr && !aboutItem.empty()) {
        AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutItem.c_str());
    }

    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    m_smallIcon = CIcon(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                                      MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                                      16, 16, LR_DEFAULTCOLOR)));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.Get()));

    // Enter right away means Yes.
    SetFocus(GetDlgItem(m_hWnd, IDOK));
    return FALSE;
}

void CSetupDlg::OnBrowse() {
    if (!UpdateData(true)) return;
    CFolderPicker picker(kMoveToFolderTitle, m_strFolder, this);
    if (picker.Browse() != IDOK) return;
    m_strFolder = picker.m_strPath;
    UpdateData(false);
}

std::optional<LRESULT> CSetupDlg::OnSysCommand(WPARAM command, LPARAM) {
    // The low four bits of a system command are the system's own.
    if ((command & 0xFFF0) != IDM_ABOUTBOX) return std::nullopt;
    CAboutDlg about;
    about.DoModal();
    return 0;
}

std::optional<LRESULT> CSetupDlg::OnDestroy(WPARAM, LPARAM) {
    // Closes a help window that this program may have opened.
    const std::string helpFile = HelpFileFromModulePath(GetModulePath(GetModuleHandleA(nullptr)));
    if (!WinHelpA(m_hWnd, helpFile.c_str(), HELP_QUIT, 0)) {
        ShowMessage(AFX_IDP_FAILED_TO_LAUNCH_HELP, MB_OK | MB_ICONEXCLAMATION);
    }
    return std::nullopt;
}

std::optional<LRESULT> CSetupDlg::OnPaint(WPARAM, LPARAM) {
    if (!IsIconic(m_hWnd)) return std::nullopt;

    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const int cx = GetSystemMetrics(SM_CXICON);
    const int cy = GetSystemMetrics(SM_CYICON);
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    const int x = (client.right - client.left - cx + 1) / 2;
    const int y = (client.bottom - client.top - cy + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(m_hWnd, &paint);
    return 0;
}

std::optional<LRESULT> CSetupDlg::OnQueryDragIcon(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(m_hIcon);
}
