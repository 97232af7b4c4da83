#pragma once
// Files for tests: whole byte strings in and out, and clearing a folder tree.
#include <set>
#include <string>

namespace testfs {

// The file's bytes, or "<missing>".
std::string ReadBytes(const std::string& path);
bool WriteBytes(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);
bool IsFolder(const std::string& path);
// The names of the entries in a folder, sorted; empty when there is none.
std::set<std::string> FolderNames(const std::string& folder);
// Removes a folder with everything in it; missing is fine.
void RemoveTree(const std::string& path);

}  // namespace testfs
