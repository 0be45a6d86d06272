// vocalia-donnees cles [--regles REGLES.txt | --donnees DIR]
// For each word read on standard input (UTF-8, one a line), prints the word,
// its transcription as phoneme names joined by '-', then its twelve keys in
// table order, tab-separated (an empty field for no key). The tool for
// tuning the phonetic rules.
#include <cstdio>
#include <string>
#include <vector>

#include "approx/ReglesPhonetiques.h"
#include "approx/TypesCles.h"
#include "text/Cp1252.h"
#include "tools/donnees/OutilsApproches.h"
#include "tools/donnees/SousCommandes.h"

namespace {
// --regles FILE: a rules source; --donnees DIR: the built TOXKRJIUSH of DIR.
// Without either, the rules source of this checkout.
bool PreparerRegles(const std::vector<std::string>& arguments, std::vector<std::string>& reste) {
    std::string source = CheminReglesParDefaut();
    bool depuisDonnees = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const bool suivant = i + 1 < arguments.size();
        if (arguments[i] == "--regles" && suivant) source = arguments[++i];
        else if (arguments[i] == "--donnees" && suivant) {
            if (EnregistrerRessourcesApproches(arguments[++i]) == 0) return false;
            depuisDonnees = true;
        } else reste.push_back(arguments[i]);
    }
    if (depuisDonnees) return ChargerRegles();
    std::string texte;
    if (!LireReglesSource(source, texte)) return false;
    InstallerRegles(texte);
    return true;
}

std::string Transcription(const std::string& mot) {
    std::string noms = NomsPhonemes(Transcrire(mot));
    if (!noms.empty()) noms.pop_back();  // "A-B-" shown as "A-B"
    return noms;
}

}  // namespace

int SousCommandeCles(const std::vector<std::string>& arguments) {
    std::vector<std::string> reste;
    if (!PreparerRegles(arguments, reste) || !reste.empty()) {
        std::fprintf(stderr, "usage: vocalia-donnees cles [--regles REGLES.txt | --donnees DIR] < mots\n");
        return 2;
    }
    std::string mot;
    while (LireMotStdin(mot)) {
        std::string ligne = mot + "\t" + Transcription(mot);
        // Appended piece by piece: GCC 12 at -O2 takes "\t" + key for an overlapping copy (-Wrestrict).
        for (int type = 0; type < NOMBRE_TYPES_CLES; ++type) {
            ligne += '\t';
            ligne += TableTypesCles[type].fonction(mot);
        }
        std::printf("%s\n", Cp1252VersUtf8(ligne).c_str());
    }
    return 0;
}
