#include "platform/ModuleNames.h"

namespace {

// The path without its extension. Only a dot in the file name itself starts
// one; a dot in a folder name ("C:\v1.2\tool") does not.
std::string WithoutExtension(const std::string& path) {
    const std::string::size_type separator = path.find_last_of("\\/:");
    const std::string::size_type dot = path.find_last_of('.');
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator)) return path;
    return path.substr(0, dot);
}

}  // namespace

std::string AppNameFromModulePath(const std::string& modulePath) {
    const std::string stem = WithoutExtension(modulePath);
    const std::string::size_type separator = stem.find_last_of("\\/:");
    return separator == std::string::npos ? stem : stem.substr(separator + 1);
}

std::string HelpFileFromModulePath(const std::string& modulePath) {
    return WithoutExtension(modulePath) + ".HLP";
}
