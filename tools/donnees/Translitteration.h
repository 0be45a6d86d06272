#pragma once
// What the data builder writes for a character that Windows-1252 lacks:
// Greek letters become their usual Latin transliteration (etymologies quote
// Greek words), Latin letters with other diacritics lose them, typographic
// signs become their plain equivalent. Anything else becomes '?', so no raw
// UTF-8 sequence ever reaches the data.
#include <string>
#include <string_view>

std::string TranslittererPoint(char32_t point);

// UTF-8 source text to Windows-1252 with the transliteration above.
std::string SourceVersCp1252(std::string_view utf8);
