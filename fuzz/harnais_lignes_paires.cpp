// The line and pair splitters. The first two bytes choose the separators of
// the pairs, the rest is the text.
#include <string>
#include <vector>

#include "fuzz/Harnais.h"
#include "text/FichiersTexte.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    if (taille < 2) return 0;
    const char separateurPieces = static_cast<char>(octets[0]);
    const char separateurPaire = static_cast<char>(octets[1]);
    const std::string texte(VueOctets(octets + 2, taille - 2));

    std::vector<std::string> lignes;
    DecouperLignes(texte, lignes);
    std::size_t octetsLignes = 0;
    for (const std::string& ligne : lignes) {
        // A line keeps its own LF, and has no other.
        const std::size_t lf = ligne.find('\n');
        EXIGER(lf == std::string::npos || lf + 1 == ligne.size());
        octetsLignes += ligne.size();
    }
    EXIGER(octetsLignes <= texte.size());

    const auto [avant, apres] = CouperEnDeux(texte, separateurPaire);
    EXIGER(avant.size() + apres.size() <= texte.size());

    for (const auto& [cle, valeur] : DecouperPaires(texte, separateurPieces, separateurPaire))
        EXIGER(cle.size() + valeur.size() <= texte.size());
    return 0;
}
