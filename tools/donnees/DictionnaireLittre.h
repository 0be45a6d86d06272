#pragma once
// The Littré read from its StarDict files into articles, and the steps of
// the `dictionnaire` subcommand that do not depend on the command line.
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "data/Article.h"
#include "tools/donnees/LecteurStarDict.h"
#include "tools/donnees/NomsLittre.h"

struct SourcesLittre {
    std::string index = "/usr/share/stardict/dic/XMLittre.idx";
    std::string articles = "/usr/share/stardict/dic/XMLittre.dict.dz";
};

using Progression = void (*)(std::size_t faits, std::size_t total);

// The two files as read: the index and the whole decompressed text.
struct LittreLu {
    std::vector<EntreeStarDict> index;
    std::string contenu;
};
// False when a file cannot be read or the index is empty.
bool LireFichiersLittre(const SourcesLittre& sources, LittreLu& lu);
// One article per Littré entry, in the file's order; false when an entry
// lies outside the text.
bool ConvertirLittre(const LittreLu& lu, std::vector<Article>& articles, Progression progression = nullptr);

// Both: false when a file cannot be read.
bool LireLittre(const SourcesLittre& sources, std::vector<Article>& articles,
                Progression progression = nullptr);

// The index names whose own article this edition lacks (see NomsPerdus);
// false when the index cannot be read.
bool LireNomsPerdus(const SourcesLittre& sources, NomsPerdusLittre& perdus);

// Ascending French order; articles with the same headword keep their order.
void TrierArticles(std::vector<Article>& articles);

// The first position where the order is broken or where an equal headword
// is not adjacent to its twins; articles.size() when all is well.
std::size_t PremiereRuptureOrdre(const std::vector<Article>& articles);

struct ComptesDictionnaire {
    std::size_t articles = 0, motsDistincts = 0, sens = 0, exemples = 0;
};
ComptesDictionnaire CompterArticles(const std::vector<Article>& articles);

// The version of an installed Debian package, from its changelog ("" if none).
std::string VersionPaquet(const std::string& paquet);
