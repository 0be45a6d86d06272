// vocalia-donnees approches --donnees DIR [--regles REGLES.txt] [--sans-lexique]
// For each word read on standard input (UTF-8, one a line), prints the word,
// then each approximate word the engine finds in the indexes built in DIR,
// best first, as mot:distance, tab-separated. A lexicon is bound, so the
// distances rank the results, unless --sans-lexique is given.
#include <cstdio>
#include <string>
#include <vector>

#include "approx/LexiqueApproches.h"
#include "approx/MoteurApproches.h"
#include "approx/ReglesPhonetiques.h"
#include "text/Cp1252.h"
#include "tools/donnees/OutilsApproches.h"
#include "tools/donnees/SousCommandes.h"

int SousCommandeApproches(const std::vector<std::string>& arguments) {
    std::string donnees, regles;
    bool avecLexique = true;
    bool compris = true;
    for (std::size_t i = 0; i < arguments.size() && compris; ++i) {
        const bool suivant = i + 1 < arguments.size();
        if (arguments[i] == "--donnees" && suivant) donnees = arguments[++i];
        else if (arguments[i] == "--regles" && suivant) regles = arguments[++i];
        else if (arguments[i] == "--sans-lexique") avecLexique = false;
        else compris = false;
    }
    if (!compris || donnees.empty()) {
        std::fprintf(stderr, "usage: vocalia-donnees approches --donnees DIR [--regles REGLES.txt] "
                             "[--sans-lexique] < mots\n");
        return 2;
    }
    if (EnregistrerRessourcesApproches(donnees) == 0) {
        std::fprintf(stderr, "approches : aucun index dans %s\n", donnees.c_str());
        return 1;
    }
    if (!regles.empty()) {
        std::string texte;
        if (!LireReglesSource(regles, texte)) return 1;
        InstallerRegles(texte);
    }
    static LexiqueMinimal lexique;
    const MoteurApproches moteur(avecLexique ? &lexique : nullptr);
    std::string mot;
    while (LireMotStdin(mot)) {
        std::string ligne = mot;
        for (const MotApproche& m : moteur.RechercherApprochesAvecDistances(mot))
            ligne += "\t" + m.mot + ":" + std::to_string(m.distance);
        std::printf("%s\n", Cp1252VersUtf8(ligne).c_str());
        std::fflush(stdout);
    }
    return 0;
}
