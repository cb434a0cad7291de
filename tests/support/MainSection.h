#pragma once

#include <initializer_list>
#include <string>
#include <utility>

// The program's settings live in the section "MAIN" of tavi.ini.

// A settings file's text: the section "MAIN" with the keys in the order given.
std::string MainSection(std::initializer_list<std::pair<const char*, std::string>> keys);

// The key's text in section "MAIN" as the profile functions read it, or "<missing>".
std::string ReadMainValue(const std::string& path, const char* key);
