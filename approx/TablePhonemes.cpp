#include "approx/TablePhonemes.h"

const char* const TablePhonemes[NOMBRE_PHONEMES] = {
    "A",  "EGRAVE", "EAIGU", "I",    "O",    "EU",      "OEU", "IN",      "AN",     "ON",
    "ILLE", "P",    "B",     "T",    "D",    "K",       "G",   "M",       "N",      "F",
    "S",  "Z",      "CH",    "J",    "L",    "R",       "WA",  "WIN",     "SI",     "E",
    "OOUVERT", "U", "OU",    "Y",    "WAN",  "WEAIGU",  "WEGRAVE", "UIN", "NUL",    "V",
};

char CodePhoneme(const std::string& nom) {
    for (int rang = 0; rang < NOMBRE_PHONEMES; ++rang)
        if (nom == TablePhonemes[rang]) return static_cast<char>(CODE_PREMIER_PHONEME + rang);
    return 0;
}

std::string NomPhoneme(char code) {
    for (int rang = 0; rang < NOMBRE_PHONEMES; ++rang)
        if (code == static_cast<char>(CODE_PREMIER_PHONEME + rang)) return TablePhonemes[rang];
    return {};
}
