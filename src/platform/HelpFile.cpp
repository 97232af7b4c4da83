#include "platform/HelpFile.h"

std::string HelpFileFromModulePath(const std::string& modulePath) {
    const std::string::size_type nameStart = modulePath.find_last_of("\\/:");
    const std::string::size_type dot = modulePath.rfind('.');
    // A dot in a folder name is no extension.
    const bool hasExtension =
        dot != std::string::npos && (nameStart == std::string::npos || dot > nameStart);
    return (hasExtension ? modulePath.substr(0, dot) : modulePath) + ".HLP";
}
