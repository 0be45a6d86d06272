// The personal word list file: each line as a record, then the whole file
// through the loader, which must either refuse it with a message or keep
// one record per line after the header.
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/Harnais.h"
#include "lexique/ListePerso.h"
#include "text/FichiersTexte.h"

namespace {
// The loader makes the user's data folder when it is missing: keep that out
// of the home folder of whoever runs the fuzzer.
void DossierDonneesBrouillon() {
    static const bool fait = [] {
        const char* tmp = std::getenv("TMPDIR");
        return ::setenv("XDG_DATA_HOME", tmp && *tmp ? tmp : "/tmp", 1) == 0;
    }();
    EXIGER(fait);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    DossierDonneesBrouillon();
    const std::string texte(VueOctets(octets, taille));
    std::vector<std::string> lignes;
    DecouperLignes(texte, lignes);
    for (const std::string& ligne : lignes) EXIGER(LireEntreePerso(ligne).valide);

    // An absolute name is read as it stands, whatever the user's data folder.
    ListePerso liste(nullptr);
    std::string erreur;
    const bool charge = liste.ChargerListePerso(FichierBrouillon("dicoperso.txt", texte), erreur);
    EXIGER(charge ? erreur.empty() : !erreur.empty() && liste.Entrees().empty());
    if (charge) EXIGER(liste.ControleListePerso().size() == 10);
    return 0;
}
