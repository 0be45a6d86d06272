#include "index/Indexeur.h"

#include <algorithm>
#include <utility>

#include "data/Ressources.h"
#include "index/ChargeIndex.h"
#include "text/Trace.h"

bool Indexeur::ChargeRessource(const char* nom, bool inflate, bool decipher,
                               const std::string& cle, const char* iv) {
    const unsigned char* octets = nullptr;
    std::size_t taille = 0;
    IndexBlocs blocs;
    if (inflate && decipher && LireRessourceEnPlace(nom, octets, taille) &&
        blocs.Ouvrir(octets, taille, cle, iv)) {
        blocs_ = std::move(blocs);
        donnees_ = Xmapstringvectorstring();
        return true;
    }
    BlocOctets charge = ChargerDonnees(nom, inflate, decipher, cle, iv);
    if (charge.Vide()) return false;
    const bool ok = ChargeCharge(charge.Donnees(), charge.Taille());
    charge.Liberer();
    return ok;
}

bool Indexeur::ChargeCharge(const unsigned char* octets, std::size_t taille) {
    ContenuIndex contenu;
    if (!AnalyserChargeIndex(octets, taille, contenu)) return false;
    // The parser has checked that the keys ascend: no sort needed.
    donnees_.construire(std::move(contenu.cles), std::move(contenu.listes), true);
    blocs_.Vider();
    return true;
}

bool Indexeur::Contient(const std::string& cle) {
    if (blocs_.Ouvert()) return blocs_.Valeurs(cle).has_value();
    return donnees_.trouver(cle).has_value();
}

std::vector<std::string> Indexeur::GetValeurs(const std::string& cle) {
    if (blocs_.Ouvert()) return blocs_.Valeurs(cle).value_or(std::vector<std::string>());
    return donnees_.valeurs(cle);
}

void* Indexeur::GetPDonnees() { return nullptr; }

void* IndexeurSec::GetPDonnees() {
    Trace("ERREUR ERREUR IndexeurSec::GetPDonnees NON DEFINI AVEC XMAPSTRING\n");
    return nullptr;
}
