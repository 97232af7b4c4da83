#include "platform/AppName.h"

std::string AppNameFromModulePath(const std::string& modulePath) {
    const std::string::size_type separator = modulePath.find_last_of("\\/:");
    const std::string::size_type start = separator == std::string::npos ? 0 : separator + 1;
    std::string name = modulePath.substr(start);
    // Only a dot in the file name itself starts an extension; a dot in a
    // folder name ("C:\v1.2\tool") must not cut the name.
    const std::string::size_type dot = name.find_last_of('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}
