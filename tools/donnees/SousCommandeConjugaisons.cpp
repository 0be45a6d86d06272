// vocalia-donnees conjugaisons --sortie FICHIER [--verbes F --modeles F]
#include <cstdio>
#include <string>
#include <vector>

#include "tools/donnees/BaseConjugaisons.h"
#include "tools/donnees/SousCommandes.h"
#include "tools/donnees/Verbiste.h"

namespace {

struct Options {
    std::string sortie;
    std::string verbes = "/usr/share/verbiste-0.1/verbs-fr.xml";
    std::string modeles = "/usr/share/verbiste-0.1/conjugation-fr.xml";
};

bool LireOptions(const std::vector<std::string>& arguments, Options& options) {
    for (std::size_t i = 0; i + 1 < arguments.size(); i += 2) {
        const std::string& nom = arguments[i];
        const std::string& valeur = arguments[i + 1];
        if (nom == "--sortie") options.sortie = valeur;
        else if (nom == "--verbes") options.verbes = valeur;
        else if (nom == "--modeles") options.modeles = valeur;
        else return false;
    }
    return arguments.size() % 2 == 0 && !options.sortie.empty();
}

}  // namespace

int SousCommandeConjugaisons(const std::vector<std::string>& arguments) {
    Options options;
    if (!LireOptions(arguments, options)) {
        std::fprintf(stderr, "usage: vocalia-donnees conjugaisons --sortie FICHIER [--verbes F --modeles F]\n");
        return 2;
    }
    std::vector<FormesVerbe> verbes;
    if (!ChargerVerbiste(options.verbes, options.modeles, verbes)) {
        std::fprintf(stderr, "conjugaisons : impossible de lire %s et %s\n", options.verbes.c_str(),
                     options.modeles.c_str());
        return 1;
    }
    const BilanConjugaisons bilan = EcrireBaseConjugaisons(verbes, options.sortie);
    if (!bilan.erreur.empty()) {
        std::fprintf(stderr, "conjugaisons : %s\n", bilan.erreur.c_str());
        return 1;
    }
    std::printf("conjugaisons : %zu verbes, texte le plus long %zu octets, valeur la plus longue %zu octets\n",
                bilan.verbes, bilan.plusLongTexte, bilan.plusLongContenu);
    return 0;
}
