// vocalia-donnees audit --donnees DIR [--exemples N] [--mot MOT]
// Reads the dictionary and the inflected-form index a `dictionnaire` build
// wrote into DIR and prints, by kind, the faults a reader would notice, and
// every name of the installed Littré's index whose article it lacks; with
// --mot, the articles of one headword as stored, to see why.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/ClesDonnees.h"
#include "data/Dictionnaire.h"
#include "data/IndexFlexions.h"
#include "data/Ressources.h"
#include "text/Cp1252.h"
#include "text/FichiersTexte.h"
#include "tools/donnees/AuditDonnees.h"
#include "tools/donnees/AuditTexte.h"
#include "tools/donnees/DictionnaireLittre.h"
#include "tools/donnees/Enrichissement.h"
#include "tools/donnees/GraphieModerne.h"
#include "tools/donnees/OutilsApproches.h"
#include "tools/donnees/SourcesChargees.h"
#include "tools/donnees/SousCommandes.h"

namespace {

// The two files as the program reads its resources: in place, a block at a time.
bool OuvrirDonnees(const std::string& dossier) {
    if (!EnregistrerFichierCommeRessource(dossier + "/" + RESSOURCE_DICTIONNAIRE, RESSOURCE_DICTIONNAIRE) ||
        !EnregistrerFichierCommeRessource(dossier + "/" + RESSOURCE_FLEXIONS, RESSOURCE_FLEXIONS))
        return false;
    OublierIndexFlexions();
    return ChargerDictionnaire() && ChargerIndexFlexions();
}

void Montrer(const char* etiquette, const std::string& texte) {
    if (!texte.empty()) std::printf("  %s : %s\n", etiquette, Cp1252VersUtf8(texte).c_str());
}

int MontrerArticles(const std::string& mot) {
    const std::vector<Article> articles = TrouverArticles(mot);
    for (const Article& article : articles) {
        std::printf("%s\n", Cp1252VersUtf8(article.mot).c_str());
        Montrer("cat\xC3\xA9gorie", article.categorie);
        for (const auto& [cle, valeur] : article.attributs) Montrer(cle.c_str(), valeur);
        for (const Sens& sens : article.sens) Montrer("sens", sens.definition);
        Montrer("flexions", article.flexions);
        Montrer("synonymes", article.synonymes);
        Montrer("antonymes", article.antonymes);
    }
    return articles.empty() ? 1 : 0;
}

}  // namespace

int SousCommandeAudit(const std::vector<std::string>& arguments) {
    std::string dossier;
    std::size_t exemples = 8;
    std::string mot;
    for (std::size_t i = 0; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == "--donnees") dossier = arguments[i + 1];
        else if (arguments[i] == "--mot") mot = Utf8VersCp1252(arguments[i + 1]);
        else if (arguments[i] == "--exemples") exemples = std::strtoul(arguments[i + 1].c_str(), nullptr, 10);
        else dossier.clear();
    }
    if (dossier.empty() || arguments.size() % 2 != 0) {
        std::fprintf(stderr, "usage: vocalia-donnees audit --donnees DOSSIER [--exemples N] [--mot MOT]\n");
        return 2;
    }
    if (!OuvrirDonnees(dossier)) {
        std::fprintf(stderr, "ERREUR : pas de donn\xC3\xA9\x65s lisibles dans %s\n", dossier.c_str());
        return 1;
    }
    if (!mot.empty()) return MontrerArticles(mot);
    const SourcesEnrichissement chemins;
    SourcesChargees sources;
    ChargerHunspell(chemins.hunspellAff, chemins.hunspellDic, true, sources);
    if (!sources.hunspellLu) {
        std::fprintf(stderr, "ERREUR : le dictionnaire hunspell est illisible\n");
        return 1;
    }
    const LecturesHunspell& lectures = sources.lectures;
    const std::vector<Article> articles = TousLesArticles();
    Audit audit = AuditerDonnees(
        articles, [](const std::string& forme) { return Lemmes(forme).has_value(); }, lectures);
    NomsPerdusLittre perdus;
    if (LireNomsPerdus(SourcesLittre{}, perdus)) AuditerNomsPerdus(perdus, articles, lectures, audit);
    std::printf("Audit : %s\n", Cp1252VersUtf8(EtiquetteDonnees()).c_str());
    AfficherAudit(stdout, audit, exemples);
    AfficherAuditTexte(stdout, AuditerTexte(articles, sources.graphies), exemples);
    return 0;
}
