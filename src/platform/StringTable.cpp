#include "platform/StringTable.h"

#include "platform/Resource.h"
#include "platform/StringBlock.h"

std::string LoadResourceString(HINSTANCE module, UINT id) {
    // Read from the string block itself, which every system supports (the
    // zero-length mode of LoadStringW is NT's alone, and LoadStringA would cut
    // the text at its buffer's length).
    const std::string_view block = FindResourceBytes(module, MAKEINTRESOURCEA(id / 16 + 1), RT_STRING);
    const auto* bytes = reinterpret_cast<const unsigned char*>(block.data());
    CStringSpan span;
    if (!FindStringInBlock(bytes, block.size(), id % 16, span) || span.length == 0) return {};

    const auto* text = reinterpret_cast<const wchar_t*>(bytes) + span.offset;
    const int length = static_cast<int>(span.length);
    const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string result(static_cast<std::string::size_type>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, result.data(), size, nullptr, nullptr);
    return result;
}
