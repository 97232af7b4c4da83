#include "Probe.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace probe {

namespace {

constexpr int kMessageBoxIconId = 1088;
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr int kChooserTreeId = 14145;
constexpr UINT kSendTimeoutMs = 2000;

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// WM_GETTEXT is marshalled across processes, so it reads what the control
// shows (an edit's text too), unlike GetWindowText on a foreign child.
std::string TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &length)) {
        return {};
    }
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied);
    text.resize(std::min<std::size_t>(copied, length));
    return text;
}

DWORD ProcessOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

// Memory in another process (or this one) for messages whose arguments hold
// pointers, such as TVM_GETITEM.
class CRemoteBuffer {
public:
    CRemoteBuffer(DWORD processId, SIZE_T size)
        : m_process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                                processId)),
          m_size(size) {
        if (m_process != nullptr) {
            m_address = VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT | MEM_RESERVE,
                                       PAGE_READWRITE);
        }
    }
    CRemoteBuffer(const CRemoteBuffer&) = delete;
    CRemoteBuffer& operator=(const CRemoteBuffer&) = delete;
    ~CRemoteBuffer() {
        if (m_address != nullptr) VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        if (m_process != nullptr) CloseHandle(m_process);
    }
    bool IsValid() const { return m_address != nullptr; }
    char* Address() const { return static_cast<char*>(m_address); }
    bool Write(SIZE_T offset, const void* data, SIZE_T size) const {
        return WriteProcessMemory(m_process, Address() + offset, data, size, nullptr) != FALSE;
    }
    bool Read(SIZE_T offset, void* data, SIZE_T size) const {
        return ReadProcessMemory(m_process, Address() + offset, data, size, nullptr) != FALSE;
    }

private:
    HANDLE m_process;
    SIZE_T m_size;
    void* m_address = nullptr;
};

std::string TreeItemText(HWND tree, HTREEITEM item) {
    constexpr SIZE_T kTextSize = 520;
    CRemoteBuffer remote(ProcessOf(tree), sizeof(TVITEMA) + kTextSize);
    if (!remote.IsValid()) return {};
    TVITEMA query = {};
    query.mask = TVIF_TEXT | TVIF_HANDLE;
    query.hItem = item;
    query.pszText = remote.Address() + sizeof(TVITEMA);
    query.cchTextMax = kTextSize;
    const char zero[1] = {};
    remote.Write(0, &query, sizeof query);
    remote.Write(sizeof(TVITEMA), zero, 1);
    DWORD_PTR ok = 0;
    SendMessageTimeoutA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote.Address()),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &ok);
    char text[kTextSize + 1] = {};
    remote.Read(sizeof(TVITEMA), text, kTextSize);
    return text;
}

HTREEITEM TreeNext(HWND tree, UINT relation, HTREEITEM item) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
    return reinterpret_cast<HTREEITEM>(result);
}

void TreeExpand(HWND tree, HTREEITEM item) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
}

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(),
                                                  static_cast<int>(a.size()), b.data(),
                                                  static_cast<int>(b.size())) == CSTR_EQUAL;
}

// The child of an item whose text matches; the item is expanded first so that
// its children exist.
template <typename Match>
HTREEITEM FindChild(HWND tree, HTREEITEM parent, Match match) {
    TreeExpand(tree, parent);
    for (HTREEITEM child = TreeNext(tree, TVGN_CHILD, parent); child != nullptr;
         child = TreeNext(tree, TVGN_NEXT, child)) {
        if (match(TreeItemText(tree, child))) return child;
    }
    return nullptr;
}

// Which standard icon a message box shows. In the same process the handles
// compare; across processes only the pixels on the screen can tell.
struct StandardIcon {
    const char* name;
    LPCSTR id;
};
const StandardIcon kStandardIcons[] = {
    {"stop", IDI_HAND},
    {"question", IDI_QUESTION},
    {"exclamation", IDI_EXCLAMATION},
    {"information", IDI_ASTERISK},
};

int PixelDifference(HDC screen, POINT origin, HICON icon) {
    constexpr int kSize = 32;
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kSize, kSize);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all = {0, 0, kSize, kSize};
    FillRect(memory, &all, GetSysColorBrush(COLOR_3DFACE));
    DrawIconEx(memory, 0, 0, icon, kSize, kSize, 0, nullptr, DI_NORMAL);
    int different = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (GetPixel(memory, x, y) != GetPixel(screen, origin.x + x, origin.y + y)) ++different;
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return different;
}

std::string IdentifyIcon(HWND dialog) {
    HWND control = GetDlgItem(dialog, kMessageBoxIconId);
    if (control == nullptr || !IsWindowVisible(control)) return "none";

    if (ProcessOf(control) == GetCurrentProcessId()) {
        const HICON shown = reinterpret_cast<HICON>(SendMessageA(control, STM_GETICON, 0, 0));
        if (shown == nullptr) return "none";
        for (const StandardIcon& icon : kStandardIcons) {
            if (shown == LoadIconA(nullptr, icon.id)) return icon.name;
        }
        return "other";
    }

    POINT origin = {0, 0};
    ClientToScreen(control, &origin);
    HDC screen = GetDC(nullptr);
    std::string found = "other";
    // The box may not have painted yet: look again for up to a second.
    for (int attempt = 0; attempt < 20 && found == "other"; ++attempt) {
        if (attempt > 0) Sleep(50);
        for (const StandardIcon& icon : kStandardIcons) {
            if (PixelDifference(screen, origin, LoadIconA(nullptr, icon.id)) == 0) found = icon.name;
        }
    }
    ReleaseDC(nullptr, screen);
    return found;
}

int FocusedControlId(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return 0;
    if (info.hwndFocus == nullptr || GetParent(info.hwndFocus) != window) return 0;
    return GetDlgCtrlID(info.hwndFocus);
}

}  // namespace

const Control* Window::Find(int id) const {
    for (const Control& control : controls) {
        if (control.id == id) return &control;
    }
    return nullptr;
}

std::string Window::Text() const {
    const Control* text = Find(kMessageBoxTextId);
    return text != nullptr ? text->text : std::string();
}

std::vector<int> Window::Buttons() const {
    std::vector<int> ids;
    for (const Control& control : controls) {
        const DWORD kind = control.style & BS_TYPEMASK;
        if (SameText(control.className, "Button") && control.visible &&
            (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON)) {
            ids.push_back(control.id);
        }
    }
    return ids;
}

namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectProcessWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    if (IsWindowVisible(window) && ProcessOf(window) == search->processId) {
        search->found.push_back(window);
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(&CollectProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(DWORD processId, const std::string& caption, DWORD timeoutMs,
                   const std::vector<HWND>& excluded) {
    const DWORD start = GetTickCount();
    for (;;) {
        for (HWND window : TopLevelWindows(processId)) {
            if (std::find(excluded.begin(), excluded.end(), window) != excluded.end()) continue;
            if (!caption.empty() && TextOf(window) != caption) continue;
            // Let the window's thread finish creating it before anyone reads it.
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
            return window;
        }
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(10);
    }
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(10);
    }
    return true;
}

Window Describe(HWND window) {
    Window described;
    described.hwnd = window;
    described.className = ClassOf(window);
    described.caption = TextOf(window);
    GetWindowRect(window, &described.rect);
    described.style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    described.exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
    described.owner = GetWindow(window, GW_OWNER);
    described.focusId = FocusedControlId(window);
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        Control control;
        control.id = GetDlgCtrlID(child);
        control.className = ClassOf(child);
        control.text = TextOf(child);
        control.style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
        control.exStyle = static_cast<DWORD>(GetWindowLongA(child, GWL_EXSTYLE));
        GetWindowRect(child, &control.rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&control.rect), 2);
        control.visible = IsWindowVisible(child) != FALSE;
        control.enabled = IsWindowEnabled(child) != FALSE;
        described.controls.push_back(control);
    }
    described.icon = IdentifyIcon(window);
    return described;
}

bool Press(HWND dialog, int buttonId) {
    HWND button = GetDlgItem(dialog, buttonId);
    if (button == nullptr) return false;
    return PostMessageA(button, BM_CLICK, 0, 0) != FALSE;
}

void Key(HWND window, UINT virtualKey) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    HWND target = window;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
        info.hwndFocus != nullptr) {
        target = info.hwndFocus;
    }
    const UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageA(target, WM_KEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
}

void SystemCommand(HWND window, UINT command) {
    PostMessageA(window, WM_SYSCOMMAND, command, 0);
}

bool SelectFolder(HWND chooser, const std::string& path) {
    HWND tree = GetDlgItem(chooser, kChooserTreeId);
    if (tree == nullptr || path.size() < 2 || path[1] != ':') return false;

    HTREEITEM item = TreeNext(tree, TVGN_ROOT, nullptr);
    if (item == nullptr) return false;
    item = FindChild(tree, item, [](const std::string& text) { return text == "My Computer"; });
    if (item == nullptr) return false;
    // Drives show as " (C:)" or "Label (C:)".
    const std::string drive = "(" + path.substr(0, 2) + ")";
    item = FindChild(tree, item, [&](const std::string& text) {
        return text.size() >= drive.size() &&
               SameText(text.substr(text.size() - drive.size()), drive);
    });

    std::string::size_type start = 3;
    while (item != nullptr && start < path.size()) {
        std::string::size_type end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        const std::string component = path.substr(start, end - start);
        if (!component.empty()) {
            item = FindChild(tree, item,
                             [&](const std::string& text) { return SameText(text, component); });
        }
        start = end + 1;
    }
    if (item == nullptr) return false;

    DWORD_PTR result = 0;
    SendMessageTimeoutA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
    SendMessageTimeoutA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
    return TreeNext(tree, TVGN_CARET, nullptr) == item;
}

std::vector<std::string> SelectedFolderItems(HWND chooser) {
    std::vector<std::string> items;
    HWND tree = GetDlgItem(chooser, kChooserTreeId);
    if (tree == nullptr) return items;
    for (HTREEITEM item = TreeNext(tree, TVGN_CARET, nullptr); item != nullptr;
         item = TreeNext(tree, TVGN_PARENT, item)) {
        items.insert(items.begin(), TreeItemText(tree, item));
    }
    return items;
}

bool PickFolder(HWND chooser, const std::string& path) {
    return SelectFolder(chooser, path) && Press(chooser, IDOK);
}

}  // namespace probe
