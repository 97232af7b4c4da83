#include "platform/Dialog.h"

#include "platform/Resource.h"

#include <cstring>

namespace {

// The part of a dialog template that decides its placement.
struct TemplatePlacement {
    DWORD style = 0;
    short x = 0;
    short y = 0;
};

// Reads the style and position of a dialog template, standard or extended
// form (the extended form starts with version 1 and the signature 0xFFFF).
bool ReadTemplatePlacement(HINSTANCE module, UINT templateId, TemplatePlacement& placement) {
    const std::string_view bytes = FindResourceBytes(module, MAKEINTRESOURCEA(templateId), RT_DIALOG);
    if (bytes.size() < 22) return false;

    WORD signature = 0;
    std::memcpy(&signature, bytes.data() + 2, sizeof signature);
    const bool extended = signature == 0xFFFF;
    std::memcpy(&placement.style, bytes.data() + (extended ? 12 : 0), sizeof placement.style);
    std::memcpy(&placement.x, bytes.data() + (extended ? 18 : 10), sizeof placement.x);
    std::memcpy(&placement.y, bytes.data() + (extended ? 20 : 12), sizeof placement.y);
    return true;
}

// Centres a pop-up over its owner, or over the work area when it has none (or
// the owner is hidden or minimised), and keeps it inside the work area.
void CentreOverOwner(HWND dialog) {
    RECT area = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT centre = area;
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &centre);

    RECT rect = {};
    GetWindowRect(dialog, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    int x = (centre.left + centre.right) / 2 - width / 2;
    int y = (centre.top + centre.bottom) / 2 - height / 2;
    if (x < area.left) {
        x = area.left;
    } else if (x + width > area.right) {
        x = area.right - width;
    }
    if (y < area.top) {
        y = area.top;
    } else if (y + height > area.bottom) {
        y = area.bottom - height;
    }
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Messages whose result a dialog procedure returns itself instead of through
// DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
        return true;
    default:
        return false;
    }
}

}  // namespace

const CMessageEntry<CDialog> CDialog::s_messages[] = {
    {WM_COMMAND, BN_CLICKED, IDOK, &CDialog::OnOK},
    {WM_COMMAND, BN_CLICKED, IDCANCEL, &CDialog::OnCancel},
};

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

INT_PTR CDialog::DoModal() {
    // Without a parent the dialog belongs to whatever window of the program
    // is active, so a dialog opened from another dialog stays above it.
    HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    if (owner == nullptr) {
        owner = GetActiveWindow();
        if (owner != nullptr) owner = GetLastActivePopup(owner);
    }
    // Disabled before the dialog exists (not only once it is up, as some
    // systems do), so the placement after initialisation sees it disabled.
    const bool disabledOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disabledOwner) EnableWindow(owner, FALSE);

    const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr),
                                           MAKEINTRESOURCEA(m_nIDTemplate), owner, &DialogProc,
                                           reinterpret_cast<LPARAM>(this));
    // Ending the dialog enables the owner already; a dialog that was never
    // created did not.
    if (disabledOwner) EnableWindow(owner, TRUE);
    m_hWnd = nullptr;
    // The platform reports an unusable owner as 0, a result no command of
    // this class gives.
    return result == 0 ? -1 : result;
}

bool CDialog::UpdateData(bool toMembers) {
    return DoDataExchange(toMembers);
}

void CDialog::EndDialog(INT_PTR result) {
    ::EndDialog(m_hWnd, result);
}

std::optional<LRESULT> CDialog::OnMessage(UINT, WPARAM, LPARAM) {
    return std::nullopt;
}

bool CDialog::DoDataExchange(bool) {
    return true;
}

BOOL CDialog::OnInitDialog() {
    if (!UpdateData(false)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        reinterpret_cast<CDialog*>(lParam)->m_hWnd = hwnd;
    }
    // Messages such as WM_SETFONT arrive before WM_INITDIALOG: no object yet.
    auto* self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (self == nullptr) return FALSE;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
        return FALSE;
    }
    return self->Dispatch(message, wParam, lParam);
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return HandleInitDialog();

    std::optional<LRESULT> result = OnMessage(message, wParam, lParam);
    if (!result) result = DispatchTable(*this, s_messages, message, wParam, lParam);
    if (!result) return FALSE;
    if (ReturnsResultDirectly(message)) return *result;
    SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, *result);
    return TRUE;
}

BOOL CDialog::HandleInitDialog() {
    RECT before = {};
    GetWindowRect(m_hWnd, &before);
    const BOOL result = OnInitDialog();
    if (ShouldCentre(before)) CentreOverOwner(m_hWnd);
    return result;
}

// A dialog is centred only when nothing else decided where it goes: its
// template is hidden at creation and sits at 0,0 without a centring or
// alignment style, it is still a hidden pop-up, its initialisation did not
// move it, and it has no owner or a disabled (modal) one.
bool CDialog::ShouldCentre(const RECT& before) const {
    TemplatePlacement placement;
    if (!ReadTemplatePlacement(GetModuleHandleA(nullptr), m_nIDTemplate, placement)) return false;
    if ((placement.style & WS_VISIBLE) != 0) return false;
    if ((GetWindowLongA(m_hWnd, GWL_STYLE) & (WS_VISIBLE | WS_CHILD)) != 0) return false;

    RECT now = {};
    GetWindowRect(m_hWnd, &now);
    if (now.left != before.left || now.top != before.top) return false;

    HWND owner = GetWindow(m_hWnd, GW_OWNER);
    if (owner != nullptr && IsWindowEnabled(owner)) return false;

    return (placement.style & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) == 0 && placement.x == 0 &&
           placement.y == 0;
}
