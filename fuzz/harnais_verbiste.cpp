// verbiste's two XML files: the conjugation templates, a 0x00, then the verbs.
#include <string>
#include <vector>

#include "fuzz/Harnais.h"
#include "tools/donnees/Verbiste.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    const auto [modeles, verbes] = CouperAuZero(VueOctets(octets, taille));
    const std::string fichierModeles = FichierBrouillon("conjugation-fr.xml", modeles);
    const std::string fichierVerbes = FichierBrouillon("verbs-fr.xml", verbes);
    std::vector<FormesVerbe> formes;
    if (!ChargerVerbiste(fichierVerbes, fichierModeles, formes)) EXIGER(formes.empty());
    return 0;
}
