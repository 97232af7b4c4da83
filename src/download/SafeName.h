#pragma once
#include "platform/LeadByte.h"

#include <string>

// A name from a URL made fit to be a file name in the download folder. It
// steps over the double-byte characters of the caller's code page whole: a
// lead byte takes the next byte along unless the text ends there (at its end
// or a NUL), and such a character is kept as it is, whatever its trail byte.
// Outside them, characters Windows refuses in a name (< > : " / \ | ? * and
// codes 0 to 31) and a lead byte the text ends after become '_'; trailing dots
// and blanks are removed, as the file system would remove them. A name left
// empty ("", ".", "..", " ") gives way to fallback, the temporary file's own
// name, which is made safe the same way. A name that would address a device
// (see IsReservedDeviceName) or that the shell acts on in a folder or at a
// drive's root (desktop.ini, autorun.inf, any case) gets a leading '_'. A
// valid name comes back unchanged. Empty only when neither name nor fallback
// names a file.
std::string SafeFileName(const std::string& name, const std::string& fallback,
                         IsLeadByteFn isLeadByte);

// Whether Windows takes the name as a device: its part before the first dot,
// without trailing blanks, is CON, PRN, AUX, NUL, CONIN$, CONOUT$, CLOCK$, or
// COM or LPT followed by 1-9 or by a superscript one, two or three (0xB9,
// 0xB2, 0xB3 in code page 1252), in any letter case. Those three bytes count
// in every code page: a leading '_' too many is harmless, and where such a
// byte leads a pair its trail byte makes the part longer than a device name.
bool IsReservedDeviceName(const std::string& name);
