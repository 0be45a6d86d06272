#include "tools/donnees/SourcesChargees.h"

#include <cstdio>

#include "tools/donnees/Communes.h"
#include "tools/donnees/Verbiste.h"

void SourcesChargees::OublierEnrichissement() {
    hunspell = DictionnaireHunspell();
    GraphiesConnues().swap(graphies);
    flexions = TableFlexions();
    std::vector<Article>().swap(communes);
}

void SourcesChargees::OublierAntonymes() {
    antonymes = AntonymesLus();
    std::vector<EntreeThesaurus>().swap(thesaurus);
}

void ChargerHunspell(const std::string& fichierAff, const std::string& fichierDic, bool avecGraphies,
                     SourcesChargees& sources) {
    sources.hunspellLu = sources.hunspell.Charger(fichierAff, fichierDic);
    if (!sources.hunspellLu) return;
    sources.lectures.Ajouter(sources.hunspell);
    if (avecGraphies) sources.graphies = GraphiesHunspell(sources.hunspell);
}

namespace {

// Verbiste and the commune register, which the enrichment alone reads.
void ChargerVerbisteEtCommunes(const SourcesEnrichissement& chemins, SourcesChargees& sources) {
    std::vector<FormesVerbe> verbes;
    if (!ChargerVerbiste(chemins.verbisteVerbes, chemins.verbisteConjugaisons, verbes)) verbes.clear();
    sources.verbesVerbiste = verbes.size();
    sources.flexions = FlexionsDesSources(sources.hunspellLu ? &sources.hunspell : nullptr, verbes);
    if (chemins.communes.empty()) return;
    if (ChargerCommunes(chemins.communes, "", sources.communes))
        sources.versionCommunes = VersionRegistreCommunes(chemins.communes);
    else
        sources.communes.clear();
}

}  // namespace

void ChargerEnrichissement(const SourcesEnrichissement& chemins, SourcesChargees& sources) {
    ChargerHunspell(chemins.hunspellAff, chemins.hunspellDic, true, sources);
    ChargerThesaurus(chemins.thesaurus, sources.thesaurus);
    ChargerVerbisteEtCommunes(chemins, sources);
}

bool ChargerSources(const CheminsSources& chemins, bool enrichir, SourcesChargees& sources, RapportEtape& rapport) {
    sources.littreLu = LireFichiersLittre(chemins.littre, sources.littre);
    rapport.Compter("entr\xC3\xA9\x65s du Littr\xC3\xA9", sources.littre.index.size());
    if (!sources.littreLu) {
        std::fprintf(stderr, "ERREUR : le Littr\xC3\xA9 (stardict-xmlittre) est illisible\n");
        return false;
    }
    const SourcesEnrichissement& enrichissement = chemins.enrichissement;
    if (enrichir) {
        ChargerEnrichissement(enrichissement, sources);
    } else {
        ChargerHunspell(enrichissement.hunspellAff, enrichissement.hunspellDic, false, sources);
        ChargerThesaurus(enrichissement.thesaurus, sources.thesaurus);
    }
    rapport.Compter("entr\xC3\xA9\x65s de hunspell", sources.hunspell.Entrees().size());
    rapport.Compter("lectures", sources.lectures.Toutes().size());
    rapport.Compter("graphies", sources.graphies.size());
    rapport.Compter("entr\xC3\xA9\x65s du th\xC3\xA9saurus", sources.thesaurus.size());
    rapport.Compter("verbes de verbiste", sources.verbesVerbiste);
    rapport.Compter("communes", sources.communes.size());
    sources.antonymes = LireSourcesAntonymes(chemins.antonymes);
    rapport.Compter("paires de la table d'antonymes", sources.antonymes.table.size());
    rapport.Compter("articles de FreeDict", sources.antonymes.traduction.francaisAnglais.size() +
                                                sources.antonymes.traduction.anglaisFrancais.size());
    std::size_t wordnet = 0;
    for (const auto& [categorie, relations] : sources.antonymes.traduction.wordnet) wordnet += relations.size();
    rapport.Compter("antonymes de WordNet", wordnet);
    sources.definitions = LireDefinitionsVocalia(chemins.definitions);
    rapport.Compter("blocs de d\xC3\xA9\x66initions", sources.definitions.blocs.size());
    return true;
}
