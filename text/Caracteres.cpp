#include "text/Caracteres.h"

#include <array>
#include <cstring>

// Accented letters are written as hex escapes, each in its own literal so that
// a following letter is never read as part of the escape. The ligatures \x9C
// and \xE6 (with their capitals \x8C and \xC6) are letters of French words
// (c\x9Cur, \x9Cil, \xE6thuse): last in the case tables, with o and a as their
// base letters, and sorted beside their first letter.
const char TableMinuscules[] =
    "abcdefghijklmnopqrstuvwxyz"
    "\xE9" "\xE8" "\xEA" "\xEB" "\xE0" "\xE2" "\xE4" "\xF9" "\xFB" "\xFC" "\xEE" "\xEF" "\xF4" "\xF6" "\xE7"
    "\x9C" "\xE6";
const char TableMajuscules[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    "\xC9" "\xC8" "\xCA" "\xCB" "\xC0" "\xC2" "\xC4" "\xD9" "\xDB" "\xDC" "\xCE" "\xCF" "\xD4" "\xD6" "\xC7"
    "\x8C" "\xC6";
const char TableMajusculesEtendue[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    "\xC9" "\xC8" "\xCA" "\xCB" "\xC0" "\xC2" "\xC4" "\xD9" "\xDB" "\xDC" "\xCE" "\xCF" "\xD4" "\xD6" "\xC7"
    "\x8C" "\xC6"
    "\xE7";
const char TableLettresDeBase[] = "abcdefghijklmnopqrstuvwxyzeeeeaaauuuiiooc" "oa" "c";
const char TableAccentuees[] =
    "\xC9" "\xC8" "\xCA" "\xCB" "\xC0" "\xC2" "\xC4" "\xD9" "\xDB" "\xDC" "\xCE" "\xCF" "\xD4" "\xD6" "\xC7"
    "\xE9" "\xE8" "\xEA" "\xEB" "\xE0" "\xE2" "\xE4" "\xF9" "\xFB" "\xFC" "\xEE" "\xEF" "\xF4" "\xF6" "\xE7";
const char TableDesaccentuees[] = "EEEEAAAUUUIIOOCeeeeaaauuuiiooc";
const char TableVoyelles[] =
    "AEIOU"
    "\xC9" "\xC8" "\xCA" "\xCB" "\xC0" "\xC2" "\xC4" "\xD9" "\xDB" "\xDC" "\xCE" "\xCF" "\xD4" "\xD6"
    "aeiouy"
    "\xE9" "\xE8" "\xEA" "\xEB" "\xE0" "\xE2" "\xE4" "\xF9" "\xFB" "\xFC" "\xEE" "\xEF" "\xF4" "\xF6";
const char TableOrdreAlpha[] =
    "A" "\xC1" "\xC0" "\xC2" "\xC4" "\xC3" "\xC6" "a" "\xE1" "\xE0" "\xE2" "\xE4" "\xE3" "\xE6"
    "B" "b" "C" "\xC7" "c" "\xE7" "D" "d"
    "E" "\xC9" "\xC8" "\xCA" "\xCB" "e" "\xE9" "\xE8" "\xEA" "\xEB"
    "FfGgHh"
    "I" "\xCD" "\xCC" "\xCE" "\xCF" "i" "\xED" "\xEC" "\xEE" "\xEF"
    "JjKkLlMmN" "\xD1" "n" "\xF1"
    "O" "\xD2" "\xD4" "\xD6" "\x8C" "o" "\xF4" "\xF6" "\x9C"
    "PpQqRrSsTt"
    "U" "\xD9" "\xDB" "\xDC" "u" "\xF9" "\xFB" "\xFC"
    "VvWwXxYyZz"
    "0123456789"
    "-'./," "\xB0" " ";

static_assert(sizeof(TableMinuscules) - 1 == 43);
static_assert(sizeof(TableMajuscules) - 1 == 43);
static_assert(sizeof(TableMajusculesEtendue) - 1 == 44);
static_assert(sizeof(TableLettresDeBase) - 1 == 44);
static_assert(sizeof(TableAccentuees) - 1 == 30);
static_assert(sizeof(TableDesaccentuees) - 1 == 30);
static_assert(sizeof(TableVoyelles) - 1 == 39);
static_assert(sizeof(TableOrdreAlpha) - 1 == 114);

namespace {

// Position of `c` in `table`, or -1. The NUL byte is never a table member,
// although it terminates every table.
template <std::size_t N>
int IndexDans(const char (&table)[N], char c) {
    if (c == '\0') return -1;
    const void* trouve = std::memchr(table, c, N - 1);
    return trouve ? int(static_cast<const char*>(trouve) - table) : -1;
}

bool EstLettreAZ(char c) { return c >= 'a' && c <= 'z'; }

}  // namespace

char MinusculeCar(char c) {
    const int i = IndexDans(TableMajuscules, c);
    return i < 0 ? c : TableMinuscules[i];
}

char LettreDeBase(char c) {
    int i = IndexDans(TableMajusculesEtendue, c);
    if (i < 0) i = IndexDans(TableMinuscules, c);
    const char base = i < 0 ? c : TableLettresDeBase[i];
    return EstLettreAZ(base) ? base : '\0';
}

char SansAccentCar(char c) {
    const int i = IndexDans(TableAccentuees, c);
    return i < 0 ? c : TableDesaccentuees[i];
}

bool EstVoyelle(char c) { return IndexDans(TableVoyelles, c) >= 0; }
bool EstMajuscule(char c) { return IndexDans(TableMajuscules, c) >= 0; }
bool EstMinuscule(char c) { return IndexDans(TableMinuscules, c) >= 0; }
bool EstChiffre(char c) { return c >= '0' && c <= '9'; }
bool EstAlphanumerique(char c) { return EstMinuscule(c) || EstMajuscule(c) || EstChiffre(c); }

int RangAlpha(char c) {
    static const std::array<unsigned char, 256> rangs = [] {
        std::array<unsigned char, 256> r{};
        for (std::size_t i = 0; i + 1 < sizeof(TableOrdreAlpha); ++i)
            r[static_cast<unsigned char>(TableOrdreAlpha[i])] = static_cast<unsigned char>(i + 1);
        return r;
    }();
    return rangs[static_cast<unsigned char>(c)];
}

bool CarSuperieur(char a, char b) { return a != b && RangAlpha(a) > RangAlpha(b); }

char SecondeLettreLigature(char c) {
    switch (static_cast<unsigned char>(c)) {
        case 0x9C: case 0xE6: return 'e';
        case 0x8C: case 0xC6: return 'E';
        default: return '\0';
    }
}
