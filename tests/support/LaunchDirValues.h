#pragma once
// The values the LaunchDir writers store, one per writer: each of its own
// length and its own filler letter, so a value read back that mixes two
// writes, or is cut short, matches none of them.
#include <string>

inline constexpr char kLoadStartEvent[] = "DarivovaLaunchDirWritersStart";

inline std::string LaunchDirValue(int writer) {
    return "C:\\Load\\writer" + std::to_string(writer) + "\\" +
           std::string(1000 + 200 * static_cast<std::size_t>(writer),
                       static_cast<char>('a' + writer % 26));
}

inline bool IsWrittenValue(const std::string& text, int writers) {
    for (int writer = 0; writer < writers; ++writer) {
        if (text == LaunchDirValue(writer)) return true;
    }
    return false;
}
