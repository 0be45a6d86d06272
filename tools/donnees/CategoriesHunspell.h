#pragma once
// The Littré's category lines checked against the spelling dictionary: an
// article without a category takes the dictionary's, and where the Littré
// files a grammatical word under a category no reading of it allows
// ("beaucoup" as a noun "pris toujours sans article", "très" as an
// adjective), the dictionary's careful description of these closed-class
// words wins; so it does for the adverbs in -ment the transcription files
// as adjectives, and for the gender of a noun it gives one gender only.
// Windows-1252.
#include <cstddef>
#include <vector>

#include "data/Article.h"
#include "tools/donnees/LecturesHunspell.h"

struct BilanCategories {
    std::size_t ajoutees = 0;    // articles that had none
    std::size_t corrigees = 0;   // grammatical words and adverbs filed elsewhere
    std::size_t genres = 0;      // nouns of the other gender today
};

BilanCategories CorrigerCategories(std::vector<Article>& articles, const LecturesHunspell& lectures);
