#include "registration/ProgramPath.h"

#include "platform/AsciiCase.h"

namespace {

constexpr char kBlanksAndQuotes[] = " \t\"";

// The file name of a path: the text after its last '\', '/' or ':'; empty
// when the path has no folder or ends with one.
std::string FileName(const std::string& path, IsLeadByteFn isLeadByte) {
    std::string::size_type start = std::string::npos;
    for (std::string::size_type i = 0; i < path.size(); i += CharacterSize(path, i, isLeadByte)) {
        if (path[i] == '\\' || path[i] == '/' || path[i] == ':') start = i + 1;
    }
    return start == std::string::npos ? std::string() : path.substr(start);
}

}  // namespace

bool NamesProgram(const std::string& data, const std::string& programPath,
                  IsLeadByteFn isLeadByte) {
    // No trail byte is a blank or a quote: trimming never splits a character.
    const std::string::size_type first = data.find_first_not_of(kBlanksAndQuotes);
    if (first == std::string::npos) return false;
    const std::string path = data.substr(first, data.find_last_not_of(kBlanksAndQuotes) - first + 1);
    const std::string name = FileName(path, isLeadByte);
    return !name.empty() && EqualsIgnoringAsciiCase(name, FileName(programPath, isLeadByte));
}
