#include "platform/RessourcesEmbarquees.h"

#include <cstring>
#include <vector>

namespace {
// Function-local so that registration from any static initialiser finds it built.
std::vector<RessourceEmbarquee>& Registre() {
    static std::vector<RessourceEmbarquee> registre;
    return registre;
}
}  // namespace

bool EnregistrerRessources(const RessourceEmbarquee* table, std::size_t nombre) {
    Registre().insert(Registre().end(), table, table + nombre);
    return true;
}

bool TrouverRessourceEmbarquee(const char* nom, const unsigned char** octets, std::size_t* taille) {
    if (nom == nullptr) return false;
    for (const RessourceEmbarquee& r : Registre()) {
        if (std::strcmp(r.nom, nom) == 0) {
            *octets = r.debut;
            *taille = static_cast<std::size_t>(r.fin - r.debut);
            return true;
        }
    }
    return false;
}
