#pragma once
// Antonyms the Littré states itself, read from its definitions:
// - a prefixed word defined as the negation of its base, when the base is a
//   headword: "malhabile: Qui n'est pas habile", "inexpérience: Manque
//   d'expérience", "déboucher: Ôter ce qui bouche";
// - a definition that is one negated word: "roturier: Qui n'est pas noble";
// - the opposition phrases "par opposition à", "opposé à", "contraire à /
//   de", followed by one word ("absolu se dit par opposition à relatif") or
//   by a phrase that differs from the defined one by one word ("Vie publique,
//   ... par opposition à vie privée" gives public / privé).
// The opposition phrases contrast terms more often than they give
// antonyms ("année civile, par opposition à année astronomique"), so
// they come apart, for the build to confirm. Text is Windows-1252.
#include <map>
#include <string>
#include <vector>

#include "data/Article.h"
#include "tools/donnees/Antonymes.h"

inline constexpr const char* SOURCE_LITTRE = "Littr\xE9";

struct AntonymesLittre {
    std::vector<PaireAntonymes> negations;   // prefixed and negated words
    std::vector<PaireAntonymes> oppositions;  // "par opposition à" and its kin
};

// `formes` maps an inflected form to its headwords (the inflected-form index),
// so that "dettes passives" finds "passif".
AntonymesLittre AntonymesDuLittre(const std::vector<Article>& articles,
                                  const std::map<std::string, std::vector<std::string>>& formes);
