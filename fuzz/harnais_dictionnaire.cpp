// The main dictionary's payload, as it stands once deciphered and inflated,
// then the lookups on what was loaded.
#include <string>
#include <vector>

#include "data/Dictionnaire.h"
#include "fuzz/Harnais.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    if (!ChargerDictionnaireDepuis(octets, taille)) return 0;
    const std::vector<std::string> titres = TitresDictionnaire();
    if (titres.empty()) return 0;
    for (const std::string& mot : {titres.front(), titres.back(), std::string("maison"), std::string()}) {
        const PositionMot position = ChercherPosition(mot);
        EXIGER(position.index < static_cast<int>(titres.size()));
        TrouverArticles(mot);
        const FenetreListe fenetre = FenetreMots(mot, 3, 2);
        EXIGER(fenetre.mots.empty() || fenetre.selection < static_cast<int>(fenetre.mots.size()));
    }
    return 0;
}
