// vocalia-donnees: builds the program's data resources from the installed
// sources, and offers the tools that tune them.
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "tools/donnees/SousCommandes.h"

namespace {
struct Entree {
    std::string aide;
    SousCommande fonction;
};
std::map<std::string, Entree>& Registre() {
    static std::map<std::string, Entree> registre;
    return registre;
}

int Usage() {
    std::fprintf(stderr, "usage: vocalia-donnees <commande> [arguments]\n");
    for (const auto& [nom, entree] : Registre())
        std::fprintf(stderr, "  %-16s %s\n", nom.c_str(), entree.aide.c_str());
    return 2;
}
}  // namespace

InscriptionSousCommande::InscriptionSousCommande(const char* nom, const char* aide,
                                                 SousCommande fonction) {
    Registre()[nom] = Entree{aide, fonction};
}

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const auto trouvee = Registre().find(argv[1]);
    if (trouvee == Registre().end()) return Usage();
    return trouvee->second.fonction(std::vector<std::string>(argv + 2, argv + argc));
}
