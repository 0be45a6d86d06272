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
#include "tools/donnees/AntonymesTraduits.h"
#include "tools/donnees/Thesaurus.h"

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

// The antonym sources as read, once: the table's pairs and the translation
// data; the thesaurus is shared with the enrichment and kept by reference.
struct AntonymesLus {
    std::vector<PaireAntonymes> table;
    bool tableLue = true;  // false: the table was named and could not be read
    DonneesTraduction traduction;
};
// A source that is not installed gives nothing.
AntonymesLus LireSourcesAntonymes(const SourcesAntonymes& sources);

// `formes` is the inflected-form index (form -> headwords); `thesaurus` as
// its file has it. `listePaires` as in SourcesAntonymes.
BilanAntonymes AjouterAntonymes(std::vector<Article>& articles,
                                const std::map<std::string, std::vector<std::string>>& formes,
                                const AntonymesLus& lus, const std::vector<EntreeThesaurus>& thesaurus,
                                const std::string& listePaires);
// The same, reading the sources first.
BilanAntonymes AjouterAntonymes(std::vector<Article>& articles,
                                const std::map<std::string, std::vector<std::string>>& formes,
                                const SourcesAntonymes& sources);
