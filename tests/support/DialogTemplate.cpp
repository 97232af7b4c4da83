#include "DialogTemplate.h"

#include <cstring>

namespace dlgres {

namespace {

// Walks the template's bytes; every read is checked against the end.
class Reader {
public:
    Reader(const unsigned char* data, DWORD size) : m_data(data), m_size(size) {}

    bool Ok() const { return m_ok; }

    template <class T>
    T Get() {
        T value{};
        if (m_pos + sizeof(T) > m_size) {
            m_ok = false;
            return value;
        }
        std::memcpy(&value, m_data + m_pos, sizeof(T));
        m_pos += sizeof(T);
        return value;
    }

    void Align(DWORD to) { m_pos = (m_pos + to - 1) / to * to; }
    void Skip(DWORD bytes) { m_pos += bytes; }

    // A wide string up to its NUL, as UTF-8.
    std::string String() {
        std::wstring wide;
        for (WCHAR c = Get<WCHAR>(); m_ok && c != 0; c = Get<WCHAR>()) wide.push_back(c);
        if (wide.empty()) return {};
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                              nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<std::size_t>(bytes), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                            bytes, nullptr, nullptr);
        return text;
    }

    // A name or an ordinal (0xFFFF followed by the number), as "#n".
    std::string NameOrOrdinal() {
        WCHAR first = Get<WCHAR>();
        if (first == 0xFFFF) return "#" + std::to_string(Get<WORD>());
        m_pos -= sizeof(WCHAR);
        return String();
    }

private:
    const unsigned char* m_data;
    DWORD m_size;
    DWORD m_pos = 0;
    bool m_ok = true;
};

std::string ClassName(const std::string& name) {
    if (name == "#128") return "Button";
    if (name == "#129") return "Edit";
    if (name == "#130") return "Static";
    if (name == "#131") return "ListBox";
    if (name == "#132") return "ScrollBar";
    if (name == "#133") return "ComboBox";
    return name;
}

}  // namespace

bool Read(HMODULE module, UINT templateId, Template& out) {
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(templateId), RT_DIALOG);
    if (resource == nullptr) return false;
    HGLOBAL loaded = LoadResource(module, resource);
    const auto* data = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
    if (data == nullptr) return false;
    Reader reader(data, SizeofResource(module, resource));

    Template t;
    const WORD version = reader.Get<WORD>();
    const WORD signature = reader.Get<WORD>();
    t.extended = version == 1 && signature == 0xFFFF;
    WORD count = 0;
    if (t.extended) {
        reader.Get<DWORD>();  // help id
        t.exStyle = reader.Get<DWORD>();
        t.style = reader.Get<DWORD>();
    } else {
        t.style = MAKELONG(version, signature);
        t.exStyle = reader.Get<DWORD>();
    }
    count = reader.Get<WORD>();
    t.x = reader.Get<short>();
    t.y = reader.Get<short>();
    t.cx = reader.Get<short>();
    t.cy = reader.Get<short>();
    reader.NameOrOrdinal();  // menu
    reader.NameOrOrdinal();  // class
    t.caption = reader.String();
    if (t.style & (DS_SETFONT | DS_SHELLFONT)) {
        t.pointSize = reader.Get<WORD>();
        if (t.extended) {
            reader.Get<WORD>();  // weight
            reader.Get<BYTE>();  // italic
            reader.Get<BYTE>();  // charset
        }
        t.face = reader.String();
    }

    for (WORD i = 0; i < count && reader.Ok(); ++i) {
        reader.Align(4);
        Item item;
        if (t.extended) {
            reader.Get<DWORD>();  // help id
            item.exStyle = reader.Get<DWORD>();
            item.style = reader.Get<DWORD>();
        } else {
            item.style = reader.Get<DWORD>();
            item.exStyle = reader.Get<DWORD>();
        }
        item.x = reader.Get<short>();
        item.y = reader.Get<short>();
        item.cx = reader.Get<short>();
        item.cy = reader.Get<short>();
        item.id = t.extended ? reader.Get<DWORD>() : reader.Get<WORD>();
        item.className = ClassName(reader.NameOrOrdinal());
        item.text = reader.NameOrOrdinal();
        reader.Skip(reader.Get<WORD>());  // creation data
        t.items.push_back(item);
    }
    if (!reader.Ok()) return false;
    out = t;
    return true;
}

}  // namespace dlgres
