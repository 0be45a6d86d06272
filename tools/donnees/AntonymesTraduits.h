#pragma once
// Antonyms carried over from English: WordNet's antonym relations through
// FreeDict's French-English and English-French dictionaries. A French word
// a and its opposite b are candidates when a translates to x, x is WordNet's
// antonym of y in the same part of speech, y translates back to b, and b
// translates to y, every step among the first translations of a sense.
// Translation alone is too loose (an English word has senses its French
// translations lack): the build keeps only the candidates a second signal
// confirms (ConfirmationAntonymes). Text is Windows-1252 on the way out.
#include <map>
#include <string>
#include <vector>

#include "tools/donnees/Antonymes.h"
#include "tools/donnees/FreeDict.h"
#include "tools/donnees/WordNet.h"

inline constexpr const char* SOURCE_TRADUCTION = "WordNet \xD7 FreeDict";

struct DonneesTraduction {
    std::vector<ArticleBilingue> francaisAnglais, anglaisFrancais;
    std::map<std::string, std::vector<AntonymesAnglais>> wordnet;  // by category ("NOM", "VERBE" ...)
};

std::vector<PaireAntonymes> AllersRetours(const DonneesTraduction& donnees, std::size_t parSens = 2);
