#pragma once
// More registry fixtures and checks: whole-subtree snapshots, and keys that
// the platform refuses to write into, for failure paths.
#include <windows.h>

#include <map>
#include <string>

namespace testreg {

// Every key and value under path, by relative name: a key as "Sub\Key\" (the
// key itself as ""), a value as "Sub\Key\name" with its type and raw bytes,
// as "<type>:<bytes>". Empty when the key is missing.
std::map<std::string, std::string> Snapshot(HKEY root, const std::string& path);

// Creates a volatile key (its parent must exist). The platform refuses to
// create a non-volatile key below it (ERROR_CHILD_MUST_BE_VOLATILE).
bool CreateVolatileKey(HKEY root, const std::string& path);

// Creates the key if needed and gives it an access list that lets everyone
// do only what access allows: KEY_READ | KEY_CREATE_SUB_KEY, say, refuses
// value writes (ERROR_ACCESS_DENIED).
bool AllowOnly(HKEY root, const std::string& path, REGSAM access);
// Gives everyone every access again to the key and all below it (its owner
// may always change the access list); a missing key is fine.
void Unlock(HKEY root, const std::string& path);

}  // namespace testreg
