#pragma once
// Every source of the dictionary build, each read once, before the steps:
// the Littré's files, the hunspell dictionary (one read of fr.aff and fr.dic,
// from which its readings, its spellings and the inflection table are
// drawn), the thesaurus, verbiste, the commune register, the antonym
// sources and Vocalia's table of definitions. The steps receive what they
// need by reference; what no later step needs is let go (Oublier...) to keep
// the build's memory down. Windows-1252 once read.
#include <cstddef>
#include <string>
#include <vector>

#include "data/Article.h"
#include "tools/donnees/DictionnaireLittre.h"
#include "tools/donnees/Enrichissement.h"
#include "tools/donnees/EtapeAntonymes.h"
#include "tools/donnees/EtapeDefinitions.h"
#include "tools/donnees/Flexions.h"
#include "tools/donnees/GraphieModerne.h"
#include "tools/donnees/Hunspell.h"
#include "tools/donnees/LecturesHunspell.h"
#include "tools/donnees/Pipeline.h"
#include "tools/donnees/Thesaurus.h"

struct CheminsSources {
    SourcesLittre littre;
    SourcesEnrichissement enrichissement;
    SourcesAntonymes antonymes;
    std::string definitions = DOSSIER_DEFINITIONS;
};

struct SourcesChargees {
    LittreLu littre;
    bool littreLu = false;
    DictionnaireHunspell hunspell;
    bool hunspellLu = false;
    LecturesHunspell lectures;    // empty when hunspell could not be read
    GraphiesConnues graphies;     // with the enrichment only
    TableFlexions flexions;       // with the enrichment only
    std::size_t verbesVerbiste = 0;
    std::vector<EntreeThesaurus> thesaurus;
    std::vector<Article> communes;  // with the enrichment only
    std::string versionCommunes;
    AntonymesLus antonymes;
    TableDefinitionsLue definitions;

    LuEnrichissement Enrichissement() const {
        return {hunspell, flexions, thesaurus, communes, versionCommunes};
    }
    void OublierTexteLittre() { std::string().swap(littre.contenu); }
    void OublierEnrichissement();  // hunspell's entries, spellings, inflections, communes
    void OublierAntonymes();       // the translation data and the thesaurus
};

// hunspell, and the readings drawn from it; with `avecGraphies`, its spellings too.
void ChargerHunspell(const std::string& fichierAff, const std::string& fichierDic, bool avecGraphies,
                     SourcesChargees& sources);
// What the enrichment reads: hunspell (with its spellings), the thesaurus,
// verbiste (into the inflection table, with hunspell's forms) and the
// commune register.
void ChargerEnrichissement(const SourcesEnrichissement& chemins, SourcesChargees& sources);

// Every source; without `enrichir`, those the enrichment alone needs are left
// out. `rapport` receives what each source holds. False when the Littré
// cannot be read (the build has nothing to convert).
bool ChargerSources(const CheminsSources& chemins, bool enrichir, SourcesChargees& sources, RapportEtape& rapport);
