#pragma once
// Conversion between the program's Windows-1252 text and UTF-8, used only at
// the edges (toolkit, terminal, source files of the data).
#include <string>
#include <string_view>

// A code point that Windows-1252 lacks is replaced by what `remplacement`
// returns for it (already Windows-1252), or by '?' when no function is given.
// Bytes that are not valid UTF-8 are taken as Windows-1252 bytes as they stand.
using RemplacementCp1252 = std::string (*)(char32_t);
std::string Utf8VersCp1252(std::string_view utf8, RemplacementCp1252 remplacement = nullptr);

// Every byte maps to a code point; the five bytes Windows-1252 leaves
// undefined (81 8D 8F 90 9D) map to the C1 controls of the same value.
std::string Cp1252VersUtf8(std::string_view cp1252);

// The Windows-1252 byte of a code point, or -1 when there is none.
int OctetCp1252(char32_t point);
