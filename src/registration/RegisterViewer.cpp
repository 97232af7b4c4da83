#include "app/HelperApp.h"
#include "platform/LeadByte.h"
#include "platform/Module.h"
#include "registration/ProgramPath.h"
#include "registration/TypeSlot.h"
#include "registration/ViewerTables.h"

#include <string>

namespace {

// Adds the type to the TYPE list unless some TYPEn holds it already.
LONG ListType(CRegKey& viewers, const char* mimeType) {
    char slotName[16];
    if (FindTypeSlot(slotName, viewers, mimeType) == TypeSlot::Listed) return ERROR_SUCCESS;
    return viewers.SetString(slotName, mimeType);
}

// Sets a value to the helper's data, first saving what it held to memory,
// type and bytes, so that removal can put it back: only a value that exists
// and is not the helper's own (isOwn), so a later setup never forgets the
// user's viewer, and keeps the one the user chose since. A value that can't
// be read can't be remembered, so it is not replaced.
template <class IsOwn>
LONG Replace(CRegKey& table, const char* name, const std::string& data, CRegKey& memory,
             IsOwn isOwn) {
    CRegValue current;
    const LONG read = table.QueryValue(name, CRegKey::kAnySize, current);
    if (read != ERROR_SUCCESS && read != ERROR_FILE_NOT_FOUND) return read;
    if (read == ERROR_SUCCESS && !isOwn(current.m_strBytes.c_str())) {
        const LONG remembered = memory.SetValue(name, current);
        if (remembered != ERROR_SUCCESS) return remembered;
    }
    return table.SetString(name, data);
}

}  // namespace

CHelperApp::Registration CHelperApp::RegisterViewer() {
    const std::string executable = GetModulePath(m_hInstance);
    const auto namesHelper = [&executable](const std::string& data) {
        return NamesProgram(data, executable, IsAnsiLeadByte);
    };
    const auto isHelpersList = [](const std::string& data) { return data == kPrivateSuffixes; };

    {
        // Only a test that Navigator 2.0 or later is installed for this user.
        CRegKey navigator;
        if (navigator.Open(HKEY_CURRENT_USER, kNavigatorKey) != ERROR_SUCCESS) {
            return Registration::NavigatorMissing;
        }
    }
    // What can't be remembered is not replaced.
    CRegKey replacedViewers = GetSectionKey(kReplacedViewers);
    CRegKey replacedSuffixes = GetSectionKey(kReplacedSuffixes);
    if (!replacedViewers.IsOpen() || !replacedSuffixes.IsOpen()) return Registration::WriteFailed;

    // Nothing written before a failure is undone.
    {
        CRegKey viewers;
        if (viewers.Create(HKEY_CURRENT_USER, kViewersKey) != ERROR_SUCCESS) {
            return Registration::WriteFailed;
        }
        for (const char* mimeType : kViewerTypes) {
            if (Replace(viewers, mimeType, executable, replacedViewers, namesHelper) !=
                ERROR_SUCCESS) {
                return Registration::WriteFailed;
            }
        }
        for (const char* mimeType : kListedTypes) {
            if (ListType(viewers, mimeType) != ERROR_SUCCESS) return Registration::WriteFailed;
        }
        if (ListType(viewers, kPrivateType) != ERROR_SUCCESS ||
            Replace(viewers, kPrivateType, executable, replacedViewers, namesHelper) !=
                ERROR_SUCCESS) {
            return Registration::WriteFailed;
        }
    }

    CRegKey suffixes;
    if (suffixes.Create(HKEY_CURRENT_USER, kSuffixesKey) != ERROR_SUCCESS ||
        Replace(suffixes, kPrivateType, kPrivateSuffixes, replacedSuffixes, isHelpersList) !=
            ERROR_SUCCESS) {
        return Registration::WriteFailed;
    }
    return Registration::Done;
}
