#pragma once
#include <string>

// A name from a URL made fit to be a file name in the download folder:
// characters Windows refuses in a name (< > : " / \ | ? * and codes 1 to 31)
// become '_'; a name that is empty or only dots and blanks ("", ".", "..")
// gives way to fallback, the temporary file's own name, which is made safe the
// same way; a name that would address a device (CON, PRN, AUX, NUL, COM1-9,
// LPT1-9 before the first dot, any case) gets a leading '_'. A valid name comes
// back unchanged. Empty only when neither name nor fallback names a file.
std::string SafeFileName(const std::string& name, const std::string& fallback);

// Whether Windows takes the name as a device: its part before the first dot,
// without trailing blanks, is a reserved device name in any letter case.
bool IsReservedDeviceName(const std::string& name);
