#pragma once
// What the sources beside the Littré add to the dictionary: synonyms from the
// thesaurus, inflection texts and the inflected-form index from the hunspell
// dictionary and verbiste, articles for modern words the Littré lacks, and
// one article per French commune. Everything is Windows-1252.
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "data/Article.h"
#include "tools/donnees/Flexions.h"
#include "tools/donnees/Frequences.h"
#include "tools/donnees/Thesaurus.h"

class DictionnaireHunspell;
struct FormesVerbe;

struct SourcesEnrichissement {
    std::string thesaurus = "/usr/share/mythes/thes_fr.dat";
    std::string hunspellDic = "/usr/share/hunspell/fr.dic";
    std::string hunspellAff = "/usr/share/hunspell/fr.aff";
    std::string verbisteVerbes = "/usr/share/verbiste-0.1/verbs-fr.xml";
    std::string verbisteConjugaisons = "/usr/share/verbiste-0.1/conjugation-fr.xml";
    // The commune register's JSON file (its departements.json beside it); empty: no communes.
#ifdef VOCALIA_DOSSIER_OUTILS
    std::string communes =
        VOCALIA_DOSSIER_OUTILS "/node_modules/@etalab/decoupage-administratif/data/communes.json";
#else
    std::string communes;
#endif
};

struct BilanEnrichissement {
    std::size_t motsAvecSynonymes = 0;
    std::size_t articlesAjoutes = 0;  // words the Littré lacks
    std::size_t motsSansDefinition = 0;  // of those, the spelling dictionary's words no source defines
    std::size_t variantes = 0;  // its words that are another spelling or a plural of a headword, indexed
    std::size_t communes = 0;
    std::size_t formesIndexees = 0;
    std::string versions;  // the sources' versions, for the data label
};

// What the enrichment reads, each source loaded once beforehand (the
// builder's SourcesChargees); nothing here opens a file.
struct LuEnrichissement {
    const DictionnaireHunspell& hunspell;
    const TableFlexions& flexions;                  // FlexionsDesSources
    const std::vector<EntreeThesaurus>& thesaurus;  // as the file has it; cut by meaning here
    const std::vector<Article>& communes;           // one article per commune; empty: none
    const std::string& versionCommunes;             // for the data label
};

// The inflection table of the enrichment: hunspell's forms (none when null),
// the irregular plurals, verbiste's conjugations, then each participle's verb.
TableFlexions FlexionsDesSources(const DictionnaireHunspell* hunspell, const std::vector<FormesVerbe>& verbes);

// `articles` are the Littré's, unsorted; on return they hold the additions too.
// `indexFlexions` receives every inflected form that is not itself a headword.
// `signaux`, when given, receives what these sources tell of how common each
// headword is (all but its `index`).
BilanEnrichissement Enrichir(std::vector<Article>& articles,
                             std::map<std::string, std::vector<std::string>>& indexFlexions,
                             const LuEnrichissement& sources, SignauxFrequence* signaux = nullptr);
