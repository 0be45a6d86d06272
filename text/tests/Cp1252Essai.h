#pragma once
// Tests write French words readably in UTF-8; the code under test sees Windows-1252.
#include <string>

#include "text/Cp1252.h"

inline std::string W(const char* utf8) { return Utf8VersCp1252(utf8); }
