#pragma once
// Antonym pairs from several sources, and how they reach the articles: both
// words of a pair must have an article of the pair's category (an adjective
// pairs with an adjective, a verb with a verb ...), and each then lists the
// other, so the relation is always symmetric. Text is Windows-1252.
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "data/Article.h"

struct PaireAntonymes {
    std::string premier, second;
    std::string categorie;  // "NOM", "ADJECTIF", "VERBE", "ADVERBE" ...
    std::string source;     // where the pair was read, for the build report
};

// The category keys an article can take antonyms under: "NOM ET ADJECTIF"
// gives NOM and ADJECTIF; a participle is an adjective; "LOCUTION
// ADVERBIALE" an adverb, "LOCUTION PRÉPOSITIVE" a preposition; proper
// names and prefixes none.
std::set<std::string> CategoriesAntonymes(const std::string& categorie);

struct BilanAntonymes {
    std::size_t motsAvecAntonymes = 0;
    std::map<std::string, std::size_t> pairesParSource;  // pairs placed, by source
    std::size_t pairesPlacees = 0;                       // distinct pairs placed
    std::size_t pairesRejetees = 0;                      // no article of that category
    std::map<std::string, std::size_t> candidats;        // pairs of a weak source before confirmation
};

struct PairePlacee {
    std::string premier, second, categorie;
    std::vector<std::string> sources;
};

// Writes the pairs into the articles' antonym texts (after any already
// there): one line, the antonyms separated by ", ", in the order of the
// pairs. A pair given by several sources counts once, under each of them.
// `placees` receives every pair placed, for the pair list of the build.
BilanAntonymes PlacerAntonymes(std::vector<Article>& articles, const std::vector<PaireAntonymes>& paires,
                               std::vector<PairePlacee>* placees = nullptr);
