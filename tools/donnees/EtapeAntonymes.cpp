#include "tools/donnees/EtapeAntonymes.h"

#include <cstdio>
#include <fstream>
#include <set>
#include <utility>

#include "text/Cp1252.h"
#include "tools/donnees/AntonymesCourants.h"
#include "tools/donnees/AntonymesLittre.h"
#include "tools/donnees/AntonymesTraduits.h"
#include "tools/donnees/ConfirmationAntonymes.h"
#include "tools/donnees/LecteurDictd.h"

namespace {

std::vector<ArticleBilingue> LireFreeDict(const std::string& base) {
    std::vector<std::string> textes;
    std::vector<ArticleBilingue> articles;
    if (!LireArticlesDictd(base + ".index", base + ".dict.dz", textes)) return articles;
    for (const std::string& texte : textes) {
        ArticleBilingue article;
        if (AnalyserArticleFreeDict(texte, article)) articles.push_back(std::move(article));
    }
    return articles;
}

DonneesTraduction LireDonneesTraduction(const SourcesAntonymes& sources) {
    DonneesTraduction donnees;
    donnees.francaisAnglais = LireFreeDict(sources.francaisAnglais);
    donnees.anglaisFrancais = LireFreeDict(sources.anglaisFrancais);
    const std::pair<const char*, const char*> fichiers[] = {
        {"data.noun", "NOM"}, {"data.verb", "VERBE"}, {"data.adj", "ADJECTIF"}, {"data.adv", "ADVERBE"}};
    for (const auto& [fichier, categorie] : fichiers)
        donnees.wordnet[categorie] = ChargerAntonymesWordNet(sources.wordnet + fichier);
    return donnees;
}

std::size_t PairesDistinctes(const std::vector<PaireAntonymes>& paires) {
    std::set<std::pair<std::string, std::string>> distinctes;
    for (const PaireAntonymes& p : paires)
        distinctes.insert(p.premier < p.second ? std::make_pair(p.premier, p.second) : std::make_pair(p.second, p.premier));
    return distinctes.size();
}

void EcrireListe(const std::string& chemin, const std::vector<PairePlacee>& placees) {
    std::ofstream fichier(chemin, std::ios::binary | std::ios::trunc);
    for (const PairePlacee& p : placees) {
        std::string sources;
        for (const std::string& s : p.sources) sources += (sources.empty() ? "" : ", ") + s;
        fichier << Cp1252VersUtf8(p.premier + "\t" + p.second + "\t" + p.categorie + "\t" + sources) << '\n';
    }
}

}  // namespace

AntonymesLus LireSourcesAntonymes(const SourcesAntonymes& sources) {
    AntonymesLus lus;
    lus.tableLue = sources.table.empty() || ChargerAntonymesCourants(sources.table, lus.table);
    if (!lus.tableLue)
        std::fprintf(stderr, "ATTENTION : table d'antonymes illisible (%s)\n", sources.table.c_str());
    lus.traduction = LireDonneesTraduction(sources);
    return lus;
}

BilanAntonymes AjouterAntonymes(std::vector<Article>& articles,
                                const std::map<std::string, std::vector<std::string>>& formes,
                                const AntonymesLus& lus, const std::vector<EntreeThesaurus>& thesaurus,
                                const std::string& listePaires) {
    // The good sources first: their pairs come first in the articles' texts.
    std::vector<PaireAntonymes> paires = lus.table;
    AntonymesLittre littre = AntonymesDuLittre(articles, formes);
    paires.insert(paires.end(), littre.negations.begin(), littre.negations.end());

    const std::vector<PaireAntonymes> traduites = AllersRetours(lus.traduction);
    const ConfirmationAntonymes confirmation(paires, thesaurus);
    const auto oppositions = confirmation.Confirmer(littre.oppositions, traduites, true);
    const auto confirmees = confirmation.Confirmer(traduites, littre.oppositions, false);
    paires.insert(paires.end(), oppositions.begin(), oppositions.end());
    paires.insert(paires.end(), confirmees.begin(), confirmees.end());

    std::vector<PairePlacee> placees;
    BilanAntonymes bilan = PlacerAntonymes(articles, paires, &placees);
    bilan.candidats[std::string(SOURCE_LITTRE) + " (oppositions)"] = PairesDistinctes(littre.oppositions);
    bilan.candidats[SOURCE_TRADUCTION] = PairesDistinctes(traduites);
    if (!listePaires.empty()) EcrireListe(listePaires, placees);
    return bilan;
}

BilanAntonymes AjouterAntonymes(std::vector<Article>& articles,
                                const std::map<std::string, std::vector<std::string>>& formes,
                                const SourcesAntonymes& sources) {
    std::vector<EntreeThesaurus> thesaurus;
    ChargerThesaurus(sources.thesaurus, thesaurus);
    return AjouterAntonymes(articles, formes, LireSourcesAntonymes(sources), thesaurus, sources.listePaires);
}
