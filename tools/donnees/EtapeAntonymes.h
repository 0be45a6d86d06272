#pragma once
// The build's antonym step, run on the final headwords: reads the hand-made
// table, the Littré's own definitions, and WordNet through FreeDict, and
// writes the pairs into the articles. A source that is not installed gives
// no pair; the others still count.
#include <map>
#include <string>
#include <vector>

#include "data/Article.h"
#include "tools/donnees/Antonymes.h"

struct SourcesAntonymes {
#ifdef VOCALIA_DOSSIER_OUTILS
    std::string table = VOCALIA_DOSSIER_OUTILS "/donnees/antonymes_courants.txt";
#else
    std::string table;
#endif
    std::string wordnet = "/usr/share/wordnet/";  // data.noun, data.verb, data.adj, data.adv
    std::string francaisAnglais = "/usr/share/dictd/freedict-fra-eng";  // .index and .dict.dz
    std::string anglaisFrancais = "/usr/share/dictd/freedict-eng-fra";
    std::string thesaurus = "/usr/share/mythes/thes_fr.dat";
    std::string listePaires;  // when set: every pair placed, UTF-8, one a line with its sources
};

// `formes` is the inflected-form index (form -> headwords).
BilanAntonymes AjouterAntonymes(std::vector<Article>& articles,
                                const std::map<std::string, std::vector<std::string>>& formes,
                                const SourcesAntonymes& sources);
