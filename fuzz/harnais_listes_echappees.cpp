// The escaped list texts of the database columns: read as a list, as
// integers and as pairs; what is read, written back, reads the same.
#include <map>
#include <string>
#include <vector>

#include "database/ListeEchappee.h"
#include "fuzz/Harnais.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    const std::string texte(VueOctets(octets, taille));

    const std::vector<std::string> elements = LireListeEchappee(texte);
    EXIGER(LireListeEchappee(EcrireListeEchappee(elements)) == elements);

    LireEntiersEchappes(texte);

    const std::map<std::string, std::string> paires = LirePairesEchappees(texte);
    EXIGER(LirePairesEchappees(EcrirePairesEchappees(paires)) == paires);
    return 0;
}
