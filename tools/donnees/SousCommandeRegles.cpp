// vocalia-donnees regles --entree REGLES.txt --sortie FICHIER
// Checks the phonetic rules and stores them enciphered (not compressed) as
// the resource TOXKRJIUSH. A rule the program would drop is an error here,
// so that a mistyped phoneme or a too long line never goes unnoticed.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "approx/MateriauCles.h"
#include "approx/ReglesPhonetiques.h"
#include "data/Ressources.h"
#include "text/Cp1252.h"
#include "tools/donnees/OutilsApproches.h"
#include "tools/donnees/SousCommandes.h"

int SousCommandeRegles(const std::vector<std::string>& arguments) {
    std::string entree, sortie;
    for (std::size_t i = 0; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == "--entree") entree = arguments[i + 1];
        else if (arguments[i] == "--sortie") sortie = arguments[i + 1];
        else return 2;
    }
    if (entree.empty() || sortie.empty() || arguments.size() % 2 != 0) {
        std::fprintf(stderr, "usage: vocalia-donnees regles --entree REGLES.txt --sortie FICHIER\n");
        return 2;
    }
    std::string texte;
    if (!LireReglesSource(entree, texte)) {
        std::fprintf(stderr, "regles : lecture impossible de %s\n", entree.c_str());
        return 1;
    }
    auto regles = std::make_unique<ReglesPhonetiques>();
    std::vector<std::string> rejetees;
    AjouterRegles(*regles, texte, &rejetees);
    for (const std::string& ligne : rejetees)
        std::fprintf(stderr, "regles : r\xC3\xA8gle refus\xC3\xA9\x65 : %s\n", Cp1252VersUtf8(ligne).c_str());
    if (!rejetees.empty() || regles->count == 0) return 1;
    const std::string iv = IvRegles();
    const std::vector<unsigned char> octets(texte.begin(), texte.end());
    if (!EcrireFichierAtomique(sortie, EmballerDonnees(octets, false, true, CleRegles(), iv.c_str()))) {
        std::fprintf(stderr, "regles : \xC3\xA9\x63riture impossible de %s\n", sortie.c_str());
        return 1;
    }
    std::printf("R\xC3\xA8gles phon\xC3\xA9tiques : %d r\xC3\xA8gles sur %d\n", regles->count,
                ReglesPhonetiques::CAPACITE);
    return 0;
}
