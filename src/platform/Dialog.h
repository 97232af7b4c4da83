#pragma once
#include "platform/Wnd.h"

#include <cstddef>
#include <optional>

// One row of a dialog class's message table. A row matches its message; a
// WM_COMMAND row matches only its notification code and control id as well.
// The handler either takes the message's parameters and returns a result, or
// nothing (std::nullopt) to leave the message to the default processing; or,
// for commands, takes nothing and always handles the command.
template <class T>
struct CMessageEntry {
    using MessageHandler = std::optional<LRESULT> (T::*)(WPARAM, LPARAM);
    using CommandHandler = void (T::*)();

    constexpr CMessageEntry(UINT msg, UINT code, UINT id, MessageHandler handler)
        : message(msg), notification(code), controlId(id), onMessage(handler) {}
    constexpr CMessageEntry(UINT msg, UINT code, UINT id, CommandHandler handler)
        : message(msg), notification(code), controlId(id), onCommand(handler) {}

    UINT message;
    UINT notification;
    UINT controlId;
    MessageHandler onMessage = nullptr;
    CommandHandler onCommand = nullptr;
};

// A modal dialog built from a dialog template of the program's resources.
// The object lives on its caller's stack; the window exists only during
// DoModal. A subclass keeps its data in members, copies them to and from the
// controls in DoDataExchange, and binds its handlers in a static table that
// its OnMessage hands to DispatchTable.
class CDialog : public CWnd {
public:
    // parent may be null: the modal run then finds its own owner.
    CDialog(UINT templateId, CWnd* parent);

    // Creates, shows and runs the dialog until a command ends it: IDOK (1),
    // IDCANCEL (2), or -1 when the dialog could not be created.
    INT_PTR DoModal();

    // Copies the data between the controls and the members; false when the
    // exchange failed.
    bool UpdateData(bool toMembers);

    // Ends the modal run with the given result.
    void EndDialog(INT_PTR result);

protected:
    // The class's message table; std::nullopt for what it does not handle.
    virtual std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // true when the exchange succeeded.
    virtual bool DoDataExchange(bool toMembers);
    // Copies the members into the controls (ending the dialog with -1 when
    // that fails). TRUE lets the dialog manager give the first control the
    // focus; FALSE says the focus was set here.
    virtual BOOL OnInitDialog();

    // IDOK: ends with 1 once the members have taken the controls' data.
    void OnOK();
    // IDCANCEL (No, Esc, Close): ends with 2; the members stay as they were.
    void OnCancel();

    template <class T, std::size_t N>
    static std::optional<LRESULT> DispatchTable(T& self, const CMessageEntry<T> (&table)[N],
                                                UINT message, WPARAM wParam, LPARAM lParam);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL HandleInitDialog();
    bool ShouldCentre(const RECT& rectBefore) const;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    static const CMessageEntry<CDialog> s_messages[];
};

template <class T, std::size_t N>
std::optional<LRESULT> CDialog::DispatchTable(T& self, const CMessageEntry<T> (&table)[N],
                                              UINT message, WPARAM wParam, LPARAM lParam) {
    for (const CMessageEntry<T>& entry : table) {
        if (entry.message != message) continue;
        if (message == WM_COMMAND &&
            (entry.notification != HIWORD(wParam) || entry.controlId != LOWORD(wParam))) {
            continue;
        }
        if (entry.onCommand != nullptr) {
            (self.*entry.onCommand)();
            return 0;
        }
        return (self.*entry.onMessage)(wParam, lParam);
    }
    return std::nullopt;
}
