#include "app/HelperApp.h"
#include "platform/RegKey.h"

#include <vector>

namespace {

// KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY.
constexpr REGSAM kSettingsAccess = 0x2001F;

// HKCU\Software (opened, never created)\company\application, the last two
// created when missing. The intermediate keys close on return.
CRegKey OpenApplicationKey(const std::string& company, const std::string& application) {
    CRegKey software;
    if (software.OpenEx(HKEY_CURRENT_USER, "Software", kSettingsAccess) != ERROR_SUCCESS) return {};
    CRegKey companyKey;
    if (companyKey.CreateEx(software.Get(), company.c_str(), kSettingsAccess) != ERROR_SUCCESS) {
        return {};
    }
    CRegKey applicationKey;
    applicationKey.CreateEx(companyKey.Get(), application.c_str(), kSettingsAccess);
    return applicationKey;
}

CRegKey OpenSectionKey(const std::string& company, const std::string& application,
                       const char* section) {
    const CRegKey applicationKey = OpenApplicationKey(company, application);
    CRegKey sectionKey;
    if (applicationKey.IsOpen()) sectionKey.CreateEx(applicationKey.Get(), section, kSettingsAccess);
    return sectionKey;
}

}  // namespace

void CHelperApp::SetCompanyKey(const char* company) {
    m_strCompanyKey = company;
    m_strProfileName = m_strAppName;
}

std::string CHelperApp::GetSettingString(const char* section, const char* entry,
                                         const char* defaultValue) const {
    const CRegKey key = OpenSectionKey(m_strCompanyKey, m_strProfileName, section);
    if (!key.IsOpen()) return defaultValue;

    // The buffer is sized from the value itself, so a value of any length
    // reads whole; its type is not examined. Another process may store a
    // longer value between the two queries: then the size is asked again,
    // never the default taken while a value exists.
    for (;;) {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key.Get(), entry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        std::vector<char> buffer(size + 1, '\0');
        const LONG result = RegQueryValueExA(key.Get(), entry, nullptr, &type,
                                             reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (result == ERROR_SUCCESS) return buffer.data();
        if (result != ERROR_MORE_DATA) break;
    }
    return defaultValue;
}

int CHelperApp::WriteSettingString(const char* section, const char* entry,
                                   const std::string& text) const {
    CRegKey key = OpenSectionKey(m_strCompanyKey, m_strProfileName, section);
    if (!key.IsOpen()) return 0;
    return key.SetString(entry, text) == ERROR_SUCCESS ? 1 : 0;
}
