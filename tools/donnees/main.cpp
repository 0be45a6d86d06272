// vocalia-donnees: builds the program's data resources from the installed
// sources, and offers the tools that tune them.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/donnees/SousCommandes.h"

namespace {
struct Entree {
    const char* nom;
    const char* aide;
    SousCommande fonction;
};

// In name order, as the usage lists them.
const Entree SousCommandes[] = {
    {"approches", "--donnees DIR [--regles REGLES.txt] [--sans-lexique] < mots: mots approch\xC3\xA9s",
     SousCommandeApproches},
    {"audit", "--donnees DIR [--exemples N] [--mot MOT]: faults of built data, by kind", SousCommandeAudit},
    {"cles", "[--regles REGLES.txt | --donnees DIR] < mots: transcription et cl\xC3\xA9s", SousCommandeCles},
    {"conjugaisons", "base des conjugaisons (verbiste) --sortie FICHIER", SousCommandeConjugaisons},
    {"dictionnaire", "--sortie DIR [--sans-enrichissement]: main dictionary and inflection index",
     CommandeDictionnaire},
    {"index-approches",
     "--dictionnaire PWJTHSYUHEKE --sortie DIR [--regles REGLES.txt] [--frequences FICHIER]: "
     "index des mots approch\xC3\xA9s",
     SousCommandeIndexApproches},
    {"regles", "--entree REGLES.txt --sortie FICHIER: r\xC3\xA8gles phon\xC3\xA9tiques chiffr\xC3\xA9\x65s",
     SousCommandeRegles},
};

int Usage() {
    std::fprintf(stderr, "usage: vocalia-donnees <commande> [arguments]\n");
    for (const Entree& entree : SousCommandes) std::fprintf(stderr, "  %-16s %s\n", entree.nom, entree.aide);
    return 2;
}

const Entree* Trouver(const std::string& nom) {
    for (const Entree& entree : SousCommandes)
        if (nom == entree.nom) return &entree;
    return nullptr;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const Entree* const trouvee = Trouver(argv[1]);
    if (!trouvee) return Usage();
    return trouvee->fonction(std::vector<std::string>(argv + 2, argv + argc));
}
