#pragma once
// Conversion between the program's Windows-1252 text and UTF-8, used only at
// the edges (toolkit, terminal, source files of the data).
#include <cstddef>
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
// Code points to Windows-1252: false, with `sortie` unspecified, when one of
// them has no byte there or is NUL.
bool CodePointsVersCp1252(std::u32string_view points, std::string& sortie);

// The UTF-8 codec the conversions use, for readers of other UTF-8 sources.
// DecoderUtf8 returns the length of the well-formed, shortest-form sequence
// at `i` (its code point in `point`), or 0 when there is none.
std::size_t DecoderUtf8(std::string_view s, std::size_t i, char32_t& point);
void AjouterUtf8(std::string& sortie, char32_t point);
