#include "app/HelperApp.h"
#include "app/ShowMessage.h"
#include "platform/LeadByte.h"
#include "platform/Module.h"
#include "registration/ProgramPath.h"
#include "registration/ViewerTables.h"

#include <iterator>
#include <string>
#include <vector>

namespace {

// Puts back, in one of Navigator's tables, each named value that is the
// helper's own (isOwn): the value setup remembered for it under memoryPath,
// with its type, or no value when it remembered none. A value that names
// another program, chosen by the user since, stays. A missing table holds
// nothing of the helper's. Stops at the first failure, and a memory that
// can't be read is one: only "not there" means nothing was remembered.
template <class IsOwn>
LONG PutBack(const char* tablePath, const std::string& memoryPath,
             const std::vector<const char*>& names, IsOwn isOwn) {
    CRegKey table;
    const LONG opened = table.OpenEx(HKEY_CURRENT_USER, tablePath, KEY_QUERY_VALUE | KEY_SET_VALUE);
    if (opened != ERROR_SUCCESS) return opened == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : opened;
    CRegKey memory;
    // A memory key that can't be opened answers every read with the reason.
    const LONG memoryOpened =
        memory.OpenEx(HKEY_CURRENT_USER, memoryPath.c_str(), KEY_QUERY_VALUE);

    for (const char* name : names) {
        CRegText current;
        const LONG read = table.QueryText(name, CRegKey::kAnySize, current);
        if (read == ERROR_FILE_NOT_FOUND) continue;
        if (read != ERROR_SUCCESS) return read;
        if (!isOwn(current.m_strText)) continue;

        CRegValue remembered;
        LONG result = memoryOpened == ERROR_SUCCESS
                          ? memory.QueryValue(name, CRegKey::kAnySize, remembered)
                          : memoryOpened;
        if (result == ERROR_SUCCESS) {
            result = table.SetValue(name, remembered);
        } else if (result == ERROR_FILE_NOT_FOUND) {
            result = table.DeleteValue(name);
        }
        if (result != ERROR_SUCCESS) return result;
    }
    return ERROR_SUCCESS;
}

// Deletes HKCU\Software\<company>\<application> with everything under it,
// then the company's key when nothing else is left in it.
LONG DeleteProgramKeys(const std::string& company, const std::string& application) {
    // Empty names would address Software itself.
    if (company.empty() || application.empty()) return ERROR_INVALID_PARAMETER;
    CRegKey software;
    LONG result = software.OpenEx(HKEY_CURRENT_USER, "Software", KEY_READ | KEY_WRITE);
    if (result != ERROR_SUCCESS) return result;
    bool companyEmpty = false;
    {
        CRegKey companyKey;
        result = companyKey.OpenEx(software.Get(), company.c_str(), KEY_READ | KEY_WRITE);
        if (result == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
        if (result == ERROR_SUCCESS) result = companyKey.DeleteSubKeyTree(application.c_str());
        if (result == ERROR_FILE_NOT_FOUND) result = ERROR_SUCCESS;
        companyEmpty = result == ERROR_SUCCESS && companyKey.IsEmpty();
    }
    // Only an empty key: Windows 9x would delete a key with all its subkeys.
    if (companyEmpty) result = RegDeleteKeyA(software.Get(), company.c_str());
    return result;
}

}  // namespace

void CHelperApp::RemoveViewer() {
    if (ShowMessage(IDP_REMOVE_ASK, MB_YESNO | MB_ICONQUESTION) != IDYES) return;

    const std::string executable = GetModulePath(m_hInstance);
    std::vector<const char*> viewerValues(std::begin(kViewerTypes), std::end(kViewerTypes));
    viewerValues.push_back(kPrivateType);

    // Stops at the first failure: what was put back stays, and so does what
    // is still remembered, for a later removal to finish.
    LONG result = PutBack(kViewersKey, GetAppKeyPath() + "\\" + kReplacedViewers, viewerValues,
                          [&executable](const std::string& data) {
                              return NamesProgram(data, executable, IsAnsiLeadByte);
                          });
    if (result == ERROR_SUCCESS) {
        result = PutBack(kSuffixesKey, GetAppKeyPath() + "\\" + kReplacedSuffixes, {kPrivateType},
                         [](const std::string& data) { return data == kPrivateSuffixes; });
    }
    if (result == ERROR_SUCCESS) result = DeleteProgramKeys(m_strCompanyKey, m_strProfileName);

    if (result == ERROR_SUCCESS) {
        ShowMessage(IDP_REMOVED, MB_OK | MB_ICONINFORMATION);
    } else {
        ShowMessage(IDP_REMOVE_FAILED, MB_OK | MB_ICONEXCLAMATION);
    }
}
