#pragma once

#include <string>
#include <utility>
#include <vector>

// An INI file as the system's profile functions read it: every section in
// order with its "key=value" lines. Two files that read the same compare equal
// however the profile functions laid out their bytes.
using ProfileContents = std::vector<std::pair<std::string, std::vector<std::string>>>;

ProfileContents ReadProfile(const std::string& path);

// The integer that GetPrivateProfileIntA reads for the key of section "MAIN".
int ReadMainInt(const std::string& path, const char* key, int fallback);
