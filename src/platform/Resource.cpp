#include "platform/Resource.h"

std::string_view FindResourceBytes(HMODULE module, LPCSTR name, LPCSTR type) {
    HRSRC resource = FindResourceA(module, name, type);
    if (resource == nullptr) return {};
    HGLOBAL loaded = LoadResource(module, resource);
    const char* bytes = static_cast<const char*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (bytes == nullptr) return {};
    return std::string_view(bytes, SizeofResource(module, resource));
}
