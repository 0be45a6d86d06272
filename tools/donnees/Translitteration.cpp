#include "tools/donnees/Translitteration.h"

#include <iterator>

#include "text/Cp1252.h"

namespace {
struct Translitteration {
    char32_t point;
    const char* texte;  // ASCII or Windows-1252 bytes
};

// Greek after the conventions of French etymologies: upsilon is y, chi is
// ch, eta and omega keep their long vowel as ê and ô.
constexpr Translitteration TableGrec[] = {
    {0x0391, "A"},  {0x0392, "B"},  {0x0393, "G"},  {0x0394, "D"},    {0x0395, "E"},
    {0x0396, "Z"},  {0x0397, "\xCA"}, {0x0398, "Th"}, {0x0399, "I"},  {0x039A, "K"},
    {0x039B, "L"},  {0x039C, "M"},  {0x039D, "N"},  {0x039E, "X"},    {0x039F, "O"},
    {0x03A0, "P"},  {0x03A1, "R"},  {0x03A3, "S"},  {0x03A4, "T"},    {0x03A5, "Y"},
    {0x03A6, "Ph"}, {0x03A7, "Ch"}, {0x03A8, "Ps"}, {0x03A9, "\xD4"},
    {0x03B1, "a"},  {0x03B2, "b"},  {0x03B3, "g"},  {0x03B4, "d"},    {0x03B5, "e"},
    {0x03B6, "z"},  {0x03B7, "\xEA"}, {0x03B8, "th"}, {0x03B9, "i"},  {0x03BA, "k"},
    {0x03BB, "l"},  {0x03BC, "m"},  {0x03BD, "n"},  {0x03BE, "x"},    {0x03BF, "o"},
    {0x03C0, "p"},  {0x03C1, "r"},  {0x03C2, "s"},  {0x03C3, "s"},    {0x03C4, "t"},
    {0x03C5, "y"},  {0x03C6, "ph"}, {0x03C7, "ch"}, {0x03C8, "ps"},   {0x03C9, "\xF4"},
    // accented lower-case vowels of the monotonic alphabet
    {0x03AC, "a"},  {0x03AD, "e"},  {0x03AE, "\xEA"}, {0x03AF, "i"},  {0x03CC, "o"},
    {0x03CD, "y"},  {0x03CE, "\xF4"}, {0x03CA, "i"}, {0x03CB, "y"},   {0x0390, "i"},
    {0x03B0, "y"},
};

constexpr Translitteration TableSignes[] = {
    {0x2010, "-"},   {0x2011, "-"},   {0x2012, "-"},  {0x2015, "\x97"}, {0x2032, "'"},
    {0x2033, "\""},  {0x2043, "-"},   {0x2212, "-"},  {0x00D7, "x"},    {0x2044, "/"},
    {0x2002, " "},   {0x2003, " "},   {0x2009, " "},  {0x200A, " "},    {0x202F, "\xA0"},
    {0x2007, " "},   {0x200B, ""},    {0x200C, ""},   {0x200D, ""},     {0xFEFF, ""},
    {0x2190, "<-"},  {0x2192, "->"},  {0x2194, "<->"}, {0x21D2, "=>"},  {0x2260, "!="},
    {0x2264, "<="},  {0x2265, ">="},  {0x221E, "infini"}, {0x2248, "~"}, {0x2261, "="},
    {0x221A, "racine de "}, {0x2016, "||"}, {0x2605, "*"}, {0x2606, "*"},
    {0x0133, "ij"},  {0x0132, "IJ"},  {0xFB01, "fi"}, {0xFB02, "fl"},   {0xFB00, "ff"},
    {0x0131, "i"},   {0x0141, "L"},   {0x0142, "l"},  {0x0110, "D"},    {0x0111, "d"},
    {0x00DF, "\xDF"},
};

template <std::size_t N>
const char* Chercher(const Translitteration (&table)[N], char32_t point) {
    for (const Translitteration& t : table)
        if (t.point == point) return t.texte;
    return nullptr;
}

// Latin letters with a diacritic Windows-1252 lacks (macron, breve, caron,
// ogonek ...): the base letter, which Latin Extended-A lays out in pairs.
char LettreLatineEtendue(char32_t point) {
    static constexpr const char Bases[] =
        "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiJjJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOo"
        "RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
    if (point < 0x0100 || point > 0x017F) return 0;
    const std::size_t rang = point - 0x0100;
    return rang < std::size(Bases) - 1 ? Bases[rang] : 0;
}
}  // namespace

std::string TranslittererPoint(char32_t point) {
    if (const char* texte = Chercher(TableGrec, point)) return texte;
    if (const char* texte = Chercher(TableSignes, point)) return texte;
    if (const char base = LettreLatineEtendue(point)) return std::string(1, base);
    // Combining diacritics after a letter add nothing we can write.
    if (point >= 0x0300 && point <= 0x036F) return "";
    return "?";
}

std::string SourceVersCp1252(std::string_view utf8) {
    return Utf8VersCp1252(utf8, TranslittererPoint);
}
