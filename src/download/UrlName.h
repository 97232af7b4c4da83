#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The last component of a download's URL, as Navigator's table records it.
// buffer holds the bytes the registry read (the URL text up to its NUL, and
// whatever follows it in the read buffer); reportedSize is the byte count the
// registry reported, terminator included. The scan starts at reportedSize - 2
// and looks at single bytes, so a 0x5C trail byte counts as a separator.
// False, with name untouched, when the text is empty or ends with '/' or '\':
// the caller then keeps the temporary file's own name. Percent escapes and
// query parts are kept as they are.
bool LastUrlComponent(std::string_view buffer, std::size_t reportedSize, std::string& name);
