// vocalia-donnees dictionnaire --sortie DIR [--sans-enrichissement]
//                              [--communes FICHIER.json | --sans-communes] [--paires-antonymes FICHIER.tsv]
//                              [--definitions DOSSIER]
// Builds the main dictionary (PWJTHSYUHEKE) and the inflected-form index
// (KLSPDOEKXHEFD) from the Littré and the complementary sources, and the
// headwords' commonness figures beside them (frequences.txt). Progress goes
// to stderr, the report to stdout.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/donnees/EtapesDictionnaire.h"
#include "tools/donnees/Pipeline.h"
#include "tools/donnees/SousCommandes.h"

namespace {

bool LireOptions(const std::vector<std::string>& arguments, OptionsDictionnaire& options) {
    CheminsSources& chemins = options.chemins;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool suivant = i + 1 < arguments.size();
        if (argument == "--sortie" && suivant) options.sortie = arguments[++i];
        else if (argument == "--communes" && suivant) chemins.enrichissement.communes = arguments[++i];
        // Without it the register installed in tools/ is read when it is there.
        else if (argument == "--sans-communes") chemins.enrichissement.communes.clear();
        else if (argument == "--sans-enrichissement") options.enrichir = false;
        else if (argument == "--paires-antonymes" && suivant) chemins.antonymes.listePaires = arguments[++i];
        else if (argument == "--definitions" && suivant) chemins.definitions = arguments[++i];
        else return false;
    }
    return !options.sortie.empty();
}

struct Etape {
    const char* nom;
    EtapeDictionnaire executer;
    bool enrichissement = false;  // left out with --sans-enrichissement
};

// In this order: each step works on what the ones before it left.
const Etape ETAPES[] = {
    {"chargement des sources", EtapeChargement},
    {"lecture du Littr\xC3\xA9", EtapeLittre},
    {"lettres perdues", EtapeLettresPerdues},
    {"cat\xC3\xA9gories de hunspell", EtapeCategories},
    {"graphies d'aujourd'hui", EtapeGraphies, true},
    {"sources compl\xC3\xA9mentaires", EtapeComplements, true},
    {"fr\xC3\xA9quences", EtapeFrequences},
    {"antonymes", EtapeDesAntonymes},
    {"ordre des formes", EtapeOrdreFormes},
    {"tri", EtapeTri},
    {"lignes de cat\xC3\xA9gorie", EtapeLignesCategorie},
    {"ordre des homographes", EtapeHomographes},
    {"renvois", EtapeRenvois},
    {"d\xC3\xA9\x66initions de Vocalia", EtapeDefinitionsVocalia},
    {"contr\xC3\xB4le de l'ordre", EtapeControleOrdre},
    {"noms perdus", EtapeNomsPerdus},
    {"\xC3\xA9\x63riture", EtapeEcriture},
    {"audit", EtapeAudit},
};

}  // namespace

int CommandeDictionnaire(const std::vector<std::string>& arguments) {
    OptionsDictionnaire options;
    if (!LireOptions(arguments, options)) {
        std::fprintf(stderr, "usage: vocalia-donnees dictionnaire --sortie DOSSIER "
                             "[--sans-enrichissement] [--communes FICHIER.json | --sans-communes] "
                             "[--paires-antonymes FICHIER.tsv] [--definitions DOSSIER]\n");
        return 2;
    }
    Construction construction(options);
    Pipeline pipeline;
    for (const Etape& etape : ETAPES) {
        if (etape.enrichissement && !options.enrichir) continue;
        pipeline.Executer(etape.nom, [&](RapportEtape& rapport) { return etape.executer(construction, rapport); });
    }
    if (!pipeline.Reussi()) {
        std::fprintf(stderr, "%s", TexteRapportsEtapes(pipeline.Rapports()).c_str());
        return 1;
    }
    AfficherRapport(construction, pipeline.Rapports());
    return 0;
}
