#pragma once
// The conjugation table of one verb as the conjugation window shows it:
// Windows-1252 text, LF line ends, laid out in columns for a fixed-width font.
// Simple tenses come from verbiste; compound tenses are built with the
// auxiliary the verb takes, whose forms also come from verbiste.
#include <cstddef>
#include <string>

#include "tools/donnees/Verbiste.h"

inline constexpr std::size_t TAILLE_MAX_TEXTE_CONJUGAISON = 10000;

// Verbs conjugated with "être" in their compound tenses (intransitive use).
bool PrendEtre(const std::string& infinitif);
// Verbs that exist only in the pronominal form ("s'absenter", "se méfier"):
// their table is the pronominal one, with "être".
bool EstEssentiellementPronominal(const std::string& infinitif);

// `avoir` and `etre` are the two auxiliaries' own entries.
std::string TexteConjugaison(const FormesVerbe& verbe, const FormesVerbe& avoir, const FormesVerbe& etre);
