#include "RegistryExtras.h"

#include <aclapi.h>

#include <vector>

namespace testreg {

namespace {

void SnapshotInto(HKEY key, const std::string& prefix, std::map<std::string, std::string>& out) {
    out[prefix] = "key";
    for (DWORD index = 0;; ++index) {
        char name[16384];
        DWORD nameLength = sizeof name;
        DWORD type = 0;
        DWORD size = 0;
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS) {
            break;
        }
        std::vector<char> data(size + 1);
        DWORD dataSize = size;
        nameLength = sizeof name;
        RegEnumValueA(key, index, name, &nameLength, nullptr, &type,
                      reinterpret_cast<BYTE*>(data.data()), &dataSize);
        out[prefix + name] = std::to_string(type) + ":" + std::string(data.data(), dataSize);
    }
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameLength = sizeof name;
        if (RegEnumKeyExA(key, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        HKEY sub = nullptr;
        if (RegOpenKeyExA(key, name, 0, KEY_READ, &sub) == ERROR_SUCCESS) {
            SnapshotInto(sub, prefix + name + "\\", out);
            RegCloseKey(sub);
        }
    }
}

// Everyone may do only what allowed allows with the key.
bool SetAccess(HKEY key, REGSAM allowed) {
    BYTE sid[SECURITY_MAX_SID_SIZE];
    DWORD sidSize = sizeof sid;
    CreateWellKnownSid(WinWorldSid, nullptr, sid, &sidSize);

    EXPLICIT_ACCESS_A access = {};
    access.grfAccessPermissions = allowed;
    access.grfAccessMode = SET_ACCESS;
    access.grfInheritance = NO_INHERITANCE;
    access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    access.Trustee.ptstrName = reinterpret_cast<LPSTR>(sid);
    PACL acl = nullptr;
    bool done = SetEntriesInAclA(1, &access, nullptr, &acl) == ERROR_SUCCESS;
    if (done) {
        done = SetSecurityInfo(key, SE_REGISTRY_KEY,
                               DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                               nullptr, nullptr, acl, nullptr) == ERROR_SUCCESS;
        LocalFree(acl);
    }
    return done;
}

}  // namespace

std::map<std::string, std::string> Snapshot(HKEY root, const std::string& path) {
    std::map<std::string, std::string> out;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return out;
    SnapshotInto(key, "", out);
    RegCloseKey(key);
    return out;
}

bool CreateVolatileKey(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

bool AllowOnly(HKEY root, const std::string& path, REGSAM allowed) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const bool done = SetAccess(key, allowed);
    RegCloseKey(key);
    return done;
}

void Unlock(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, WRITE_DAC, &key) != ERROR_SUCCESS) return;
    SetAccess(key, KEY_ALL_ACCESS);
    RegCloseKey(key);
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    char name[256];
    for (DWORD index = 0; RegEnumKeyA(key, index, name, sizeof name) == ERROR_SUCCESS; ++index) {
        Unlock(key, name);
    }
    RegCloseKey(key);
}

}  // namespace testreg
