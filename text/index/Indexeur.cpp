#include "text/index/Indexeur.h"

#include <algorithm>
#include <utility>

#include "data/Ressources.h"
#include "text/index/ChargeIndex.h"
#include "text/Trace.h"

namespace {
bool OctetsAvant(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}
}  // namespace

bool Indexeur::ChargeRessource(const char* nom, bool inflate, bool decipher,
                               const std::string& cle, const char* iv) {
    BlocOctets charge = ChargerDonnees(nom, inflate, decipher, cle, iv);
    if (charge.Vide()) return false;
    const bool ok = ChargeCharge(charge.Donnees(), charge.Taille());
    charge.Liberer();
    return ok;
}

bool Indexeur::ChargeCharge(const unsigned char* octets, std::size_t taille) {
    ContenuIndex contenu;
    if (!AnalyserChargeIndex(octets, taille, contenu)) return false;
    // The data builder writes keys ascending, and then the map is used as it
    // stands; a damaged payload out of order is sorted on the first lookup
    // rather than losing keys to a binary search that cannot find them.
    const bool croissantes = std::is_sorted(contenu.cles.begin(), contenu.cles.end(), OctetsAvant);
    donnees_.construire(std::move(contenu.cles), std::move(contenu.listes), croissantes);
    return true;
}

bool Indexeur::Contient(const std::string& cle) { return donnees_.trouver(cle).has_value(); }

std::vector<std::string> Indexeur::GetValeurs(const std::string& cle) { return donnees_.valeurs(cle); }

void* Indexeur::GetPDonnees() { return nullptr; }

void* IndexeurSec::GetPDonnees() {
    Trace("ERREUR ERREUR IndexeurSec::GetPDonnees NON DEFINI AVEC XMAPSTRING\n");
    return nullptr;
}
