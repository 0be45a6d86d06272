#pragma once
// The steps of `vocalia-donnees dictionnaire`, in the order the command runs
// them (CommandeDictionnaire.cpp lists them). Each works on the build's
// state, counts what it did into its report and returns false when the build
// must stop (it has written why to stderr). Windows-1252 inside.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/Article.h"
#include "tools/donnees/AuditDonnees.h"
#include "tools/donnees/AuditTexte.h"
#include "tools/donnees/CategoriesHunspell.h"
#include "tools/donnees/Enrichissement.h"
#include "tools/donnees/EtapeDefinitions.h"
#include "tools/donnees/Frequences.h"
#include "tools/donnees/GraphieModerne.h"
#include "tools/donnees/GraphiesTexte.h"
#include "tools/donnees/LigneCategorie.h"
#include "tools/donnees/MotsGrammaticaux.h"
#include "tools/donnees/NomsLittre.h"
#include "tools/donnees/OrdreHomographes.h"
#include "tools/donnees/Pipeline.h"
#include "tools/donnees/Renvois.h"
#include "tools/donnees/SourcesChargees.h"

struct OptionsDictionnaire {
    std::string sortie;
    bool enrichir = true;
    CheminsSources chemins;
};

// What the steps build, one after the other, and what each found on the way.
struct Construction {
    explicit Construction(const OptionsDictionnaire& o) : options(o) { signaux.index = &index; }
    Construction(const Construction&) = delete;
    Construction& operator=(const Construction&) = delete;

    const OptionsDictionnaire& options;
    SourcesChargees sources;
    std::vector<Article> articles;
    std::size_t articlesLittre = 0;
    std::map<std::string, std::vector<std::string>> index;  // form -> headwords
    SignauxFrequence signaux;
    std::unordered_map<std::string, std::uint32_t> frequences;
    EmploisParMot emplois;
    std::vector<RenvoiSuivi> renvoisSuivis;
    std::string etiquette;  // the data label

    std::size_t lettresRendues = 0;
    BilanCategories categories;
    BilanGraphies graphies;
    BilanGraphiesTexte graphiesTexte;
    BilanEnrichissement enrichissement;
    BilanMotsGrammaticaux grammaticaux;
    BilanAntonymes antonymes;
    BilanLignesCategorie lignes;
    std::size_t renvois = 0;
    BilanDefinitions definitions;
    NomsPerdusLittre perdus;
    Audit audit;
    AuditTexte auditTexte;
};

using EtapeDictionnaire = bool (*)(Construction& c, RapportEtape& rapport);

bool EtapeChargement(Construction& c, RapportEtape& rapport);
bool EtapeLittre(Construction& c, RapportEtape& rapport);
bool EtapeLettresPerdues(Construction& c, RapportEtape& rapport);
bool EtapeCategories(Construction& c, RapportEtape& rapport);
// The enrichment's steps (not run with --sans-enrichissement).
bool EtapeGraphies(Construction& c, RapportEtape& rapport);
bool EtapeComplements(Construction& c, RapportEtape& rapport);
bool EtapeFrequences(Construction& c, RapportEtape& rapport);
bool EtapeDesAntonymes(Construction& c, RapportEtape& rapport);
bool EtapeOrdreFormes(Construction& c, RapportEtape& rapport);
bool EtapeTri(Construction& c, RapportEtape& rapport);
bool EtapeLignesCategorie(Construction& c, RapportEtape& rapport);
bool EtapeHomographes(Construction& c, RapportEtape& rapport);
bool EtapeRenvois(Construction& c, RapportEtape& rapport);
bool EtapeDefinitionsVocalia(Construction& c, RapportEtape& rapport);
bool EtapeControleOrdre(Construction& c, RapportEtape& rapport);
bool EtapeNomsPerdus(Construction& c, RapportEtape& rapport);
bool EtapeEcriture(Construction& c, RapportEtape& rapport);
bool EtapeAudit(Construction& c, RapportEtape& rapport);

// The build report on stdout: the dictionary's figures, each step's bilan,
// the audit, then the steps' reports.
void AfficherRapport(const Construction& c, const std::vector<RapportEtape>& etapes);
