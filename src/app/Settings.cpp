#include "app/HelperApp.h"
#include "app/Settings.h"
#include "platform/RegKey.h"

namespace {

// Read and write, and create the keys below (0x2001F).
constexpr REGSAM kSettingsAccess = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;

// HKCU\Software (opened, never created)\company\application, the last two
// created when missing. The intermediate keys close on return.
CRegKey OpenApplicationKey(const std::string& company, const std::string& application) {
    // Empty names would address Software itself.
    if (company.empty() || application.empty()) return {};
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

std::string CHelperApp::GetAppKeyPath() const {
    return "Software\\" + m_strCompanyKey + "\\" + m_strProfileName;
}

CRegKey CHelperApp::GetSectionKey(const char* section) const {
    return OpenSectionKey(m_strCompanyKey, m_strProfileName, section);
}

std::string CHelperApp::GetSettingString(const char* section, const char* entry,
                                         const char* defaultValue) const {
    // Every start leaves the keys behind where the user may create them; the
    // read itself only queries, so a user who may only read still gets the
    // stored folder.
    GetSectionKey(section);

    const std::string path = GetAppKeyPath() + "\\" + section;
    CRegKey key;
    CRegText value;
    if (key.OpenEx(HKEY_CURRENT_USER, path.c_str(), KEY_QUERY_VALUE) != ERROR_SUCCESS ||
        key.QueryText(entry, CRegKey::kAnySize, value) != ERROR_SUCCESS) {
        return defaultValue;
    }
    // The type is not examined: the bytes up to the first zero are the text.
    return value.m_strText;
}

bool CHelperApp::WriteSettingString(const char* section, const char* entry,
                                    const std::string& text) const {
    CRegKey key = GetSectionKey(section);
    return key.IsOpen() && key.SetString(entry, text) == ERROR_SUCCESS;
}
