#include "app/HelperApp.h"
#include "platform/Module.h"
#include "platform/RegKey.h"
#include "registration/TypeSlot.h"

#include <string>

namespace {

constexpr char kNavigatorKey[] = "Software\\Netscape\\Netscape Navigator";
constexpr char kViewersKey[] = "Software\\Netscape\\Netscape Navigator\\Viewers";
constexpr char kSuffixesKey[] = "Software\\Netscape\\Netscape Navigator\\Suffixes";

// The program's own type, which Navigator gets to know through the TYPE list.
constexpr char kPrivateType[] = "application/x-ombrix";
constexpr char kPrivateSuffixes[] =
    "zip,gz,tar,taz,tgz,Z,arj,arc,b64,bhx,hqx,lzh,uu,uue,xxe,tar.Z";

// Every type handed to this program, in the order written. application/zip
// stands twice; the second write changes nothing.
constexpr const char* kViewerTypes[] = {
    "application/x-zip-compressed",
    "application/x-gzip",
    "application/x-compress",
    "application/x-tar",
    "application/mac-binhex40",
    "application/zip",
    "uuencode",
    "x-uue",
    "x-uuencode",
    "application/zip",
    "multipart/x-tar",
};

// The viewer types that Navigator must also find in its TYPE list.
constexpr const char* kListedTypes[] = {"application/zip", "multipart/x-tar"};

// Adds the type to the TYPE list unless some TYPEn holds it already.
LONG ListType(CRegKey& viewers, const char* mimeType) {
    char slotName[16];
    if (FindTypeSlot(slotName, viewers, mimeType) == TypeSlot::Listed) return ERROR_SUCCESS;
    return viewers.SetString(slotName, mimeType);
}

}  // namespace

CHelperApp::Registration CHelperApp::RegisterViewer() {
    const std::string executable = GetModulePath(m_hInstance);

    {
        // Only a test that Navigator 2.0 or later is installed for this user.
        CRegKey navigator;
        if (navigator.Open(HKEY_CURRENT_USER, kNavigatorKey) != ERROR_SUCCESS) return Registration::NavigatorMissing;
    }

    // Nothing written before a failure is undone.
    {
        CRegKey viewers;
        if (viewers.Create(HKEY_CURRENT_USER, kViewersKey) != ERROR_SUCCESS) return Registration::WriteFailed;
        for (const char* mimeType : kViewerTypes) {
            if (viewers.SetString(mimeType, executable) != ERROR_SUCCESS) return Registration::WriteFailed;
        }
        for (const char* mimeType : kListedTypes) {
            if (ListType(viewers, mimeType) != ERROR_SUCCESS) return Registration::WriteFailed;
        }
        if (ListType(viewers, kPrivateType) != ERROR_SUCCESS) return Registration::WriteFailed;
        if (viewers.SetString(kPrivateType, executable) != ERROR_SUCCESS) return Registration::WriteFailed;
    }

    CRegKey suffixes;
    if (suffixes.Create(HKEY_CURRENT_USER, kSuffixesKey) != ERROR_SUCCESS) return Registration::WriteFailed;
    if (suffixes.SetString(kPrivateType, kPrivateSuffixes) != ERROR_SUCCESS) return Registration::WriteFailed;
    return Registration::Done;
}
