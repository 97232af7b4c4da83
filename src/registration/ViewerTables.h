#pragma once
// Navigator's per-user tables that the helper writes itself into, and what it
// writes there.

inline constexpr char kNavigatorKey[] = "Software\\Netscape\\Netscape Navigator";
inline constexpr char kViewersKey[] = "Software\\Netscape\\Netscape Navigator\\Viewers";
inline constexpr char kSuffixesKey[] = "Software\\Netscape\\Netscape Navigator\\Suffixes";

// The program's own type, which Navigator gets to know through the TYPE list.
inline constexpr char kPrivateType[] = "application/x-ombrix";
inline constexpr char kPrivateSuffixes[] =
    "zip,gz,tar,taz,tgz,Z,arj,arc,b64,bhx,hqx,lzh,uu,uue,xxe,tar.Z";

// Every type handed to this program, in the order written. application/zip
// stands twice; the second write changes nothing.
inline constexpr const char* kViewerTypes[] = {
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
inline constexpr const char* kListedTypes[] = {"application/zip", "multipart/x-tar"};

// Where setup keeps what it replaced, under the program's own key: the type
// and bytes of Viewers and Suffixes values, under the same value names
// (earlier versions kept only their text, as REG_SZ, which is put back so).
inline constexpr char kReplacedViewers[] = "Replaced\\Viewers";
inline constexpr char kReplacedSuffixes[] = "Replaced\\Suffixes";
