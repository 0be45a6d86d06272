// The tagged stream read item after item, each kind tried in turn, the way a
// payload reader walks it without knowing what comes next.
#include <map>
#include <string>
#include <vector>

#include "data/FluxBalise.h"
#include "fuzz/Harnais.h"

namespace {

// One item of any kind; false when no kind reads here. A failed read must
// leave the position where it was.
bool LireUnElement(FluxBaliseLecteur& lecteur) {
    const std::size_t avant = lecteur.Position();
    std::int32_t entier;
    float reel;
    std::string chaine;
    std::vector<std::string> liste;
    std::map<std::string, std::string> table;
    if (lecteur.LireEntier(entier) || lecteur.LireReel(reel) || lecteur.LireChaine(chaine) ||
        lecteur.LireListe(liste) || lecteur.LireTable(table)) {
        EXIGER(lecteur.Position() > avant);
        return true;
    }
    EXIGER(lecteur.Position() == avant);
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    FluxBaliseLecteur lecteur(octets, taille);
    while (lecteur.Reste() > 0 && LireUnElement(lecteur)) EXIGER(lecteur.Position() <= taille);
    return 0;
}
