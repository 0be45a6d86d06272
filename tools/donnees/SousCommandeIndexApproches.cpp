// vocalia-donnees index-approches --dictionnaire PWJTHSYUHEKE --sortie DIR [--regles REGLES.txt]
//                                 [--frequences frequences.txt]
// Builds the seven key indexes of the approximate search from every headword
// of the built main dictionary, with the very key functions the program uses,
// and, from the dictionary build's commonness figures, the headwords' figures
// that the ranking reads (MAPFREQ).
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <unordered_map>
#include <string>
#include <vector>

#include "approx/FrequencesMots.h"
#include "approx/MateriauCles.h"
#include "approx/MoteurApproches.h"
#include "approx/ReglesPhonetiques.h"
#include "approx/TypesCles.h"
#include "data/ClesDonnees.h"
#include "data/Dictionnaire.h"
#include "data/Ressources.h"
#include "index/IndexBlocs.h"
#include "text/Cp1252.h"
#include "tools/donnees/Frequences.h"
#include "tools/donnees/OutilsApproches.h"
#include "tools/donnees/SousCommandes.h"

namespace {
struct Options {
    std::string dictionnaire;
    std::string sortie;
    std::string regles = CheminReglesParDefaut();
    std::string frequences;
};

bool LireOptions(const std::vector<std::string>& arguments, Options& options) {
    if (arguments.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < arguments.size(); i += 2) {
        if (arguments[i] == "--dictionnaire") options.dictionnaire = arguments[i + 1];
        else if (arguments[i] == "--sortie") options.sortie = arguments[i + 1];
        else if (arguments[i] == "--regles") options.regles = arguments[i + 1];
        else if (arguments[i] == "--frequences") options.frequences = arguments[i + 1];
        else return false;
    }
    return !options.dictionnaire.empty() && !options.sortie.empty();
}

// The headwords, each once, through the program's own pipeline and parser.
bool LireMotsVedettes(const std::string& chemin, std::vector<std::string>& mots) {
    if (!EnregistrerFichierCommeRessource(chemin, RESSOURCE_DICTIONNAIRE)) return false;
    if (!ChargerDictionnaire()) return false;
    std::set<std::string> vus;
    for (const std::string& titre : TitresDictionnaire())
        if (!titre.empty() && vus.insert(titre).second) mots.push_back(titre);
    return !mots.empty();
}

// Headwords the rules do not transcribe to the end: the figure to watch
// when tuning the rules, with a few examples.
void RapporterTranscriptionsCoupees(const std::vector<std::string>& mots) {
    constexpr std::size_t EXEMPLES = 12;
    std::size_t coupes = 0;
    std::string exemples;
    for (const std::string& mot : mots) {
        std::size_t lus = 0;
        TranscrireAvec(ReglesCourantes(), mot, &lus);
        if (lus == mot.size()) continue;
        if (++coupes <= EXEMPLES) exemples += " [" + Cp1252VersUtf8(mot) + "]";
    }
    std::printf("  transcriptions coup\xC3\xA9\x65s : %zu%s\n", coupes, exemples.c_str());
}

bool EcrireIndex(const std::string& sortie, const char* ressource, const char* chaine,
                 const std::map<std::string, std::vector<std::string>>& index) {
    const std::vector<unsigned char> octets =
        EmballerDonnees(EcrireChargeIndex(index), true, true, CleIndexApproches(chaine), chaine);
    if (!octets.empty() && EcrireFichierAtomique(std::filesystem::path(sortie) / ressource, octets)) return true;
    std::fprintf(stderr, "index-approches : \xC3\xA9\x63riture impossible de %s\n", ressource);
    return false;
}

// Only the headwords the indexes hold: a figure of a word the search never
// finds would only take room.
bool EcrireFrequences(const Options& options, const std::vector<std::string>& mots) {
    const std::unordered_map<std::string, std::uint32_t> toutes = LireFrequences(options.frequences);
    if (toutes.empty()) {
        std::fprintf(stderr, "index-approches : fr\xC3\xA9quences illisibles : %s\n", options.frequences.c_str());
        return false;
    }
    std::unordered_map<std::string, std::uint32_t> figures;
    for (const std::string& mot : mots) {
        const auto trouve = toutes.find(mot);
        if (trouve != toutes.end()) figures.emplace(mot, trouve->second);
    }
    const auto listes = ListesFrequences(figures);
    std::size_t courants = 0;
    for (const auto& [figure, liste] : listes) courants += liste.size();
    std::printf("  %-10s %8zu mots de fr\xC3\xA9quence non nulle sur %zu\n", RESSOURCE_FREQUENCES, courants,
                mots.size());
    return EcrireIndex(options.sortie, RESSOURCE_FREQUENCES, CHAINE_FREQUENCES, listes);
}

}  // namespace

int SousCommandeIndexApproches(const std::vector<std::string>& arguments) {
    Options options;
    if (!LireOptions(arguments, options)) {
        std::fprintf(stderr, "usage: vocalia-donnees index-approches --dictionnaire PWJTHSYUHEKE "
                             "--sortie DIR [--regles REGLES.txt] [--frequences frequences.txt]\n");
        return 2;
    }
    std::string regles;
    if (!LireReglesSource(options.regles, regles)) {
        std::fprintf(stderr, "index-approches : lecture impossible de %s\n", options.regles.c_str());
        return 1;
    }
    InstallerRegles(regles);
    std::vector<std::string> mots;
    if (!LireMotsVedettes(options.dictionnaire, mots)) {
        std::fprintf(stderr, "index-approches : dictionnaire illisible : %s\n", options.dictionnaire.c_str());
        return 1;
    }
    std::error_code erreur;
    std::filesystem::create_directories(options.sortie, erreur);
    std::printf("Index des mots approch\xC3\xA9s : %zu mots\n", mots.size());
    RapporterTranscriptionsCoupees(mots);
    for (int type = 0; type < NOMBRE_TYPES_CLES; ++type) {
        const TypeCle& ligne = TableTypesCles[type];
        if (!ligne.actif) continue;
        // Keys the engine would not look up (under 2 bytes) are not stored.
        std::map<std::string, std::vector<std::string>> index;
        std::size_t references = 0;
        for (const std::string& mot : mots) {
            const std::string cle = ligne.fonction(mot);
            if (cle.size() < LONGUEUR_MIN_CLE) continue;
            index[cle].push_back(mot);
            ++references;
        }
        const std::vector<unsigned char> octets =
            EmballerIndexBlocs(index, CleIndexApproches(ligne.chaine), ligne.chaine);
        if (!EcrireFichierAtomique(std::filesystem::path(options.sortie) / ligne.ressource, octets)) {
            std::fprintf(stderr, "index-approches : \xC3\xA9\x63riture impossible de %s\n", ligne.ressource);
            return 1;
        }
        std::printf("  %-10s %8zu cl\xC3\xA9s %8zu mots index\xC3\xA9s %9zu octets\n", ligne.ressource,
                    index.size(), references, octets.size());
    }
    if (!options.frequences.empty() && !EcrireFrequences(options, mots)) return 1;
    return 0;
}
