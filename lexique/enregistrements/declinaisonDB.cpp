#include "lexique/enregistrements/declinaisonDB.h"

#include "database/TamponsLigne.h"
#include "text/Transformations.h"

namespace {
constexpr std::size_t TailleTexteCourt = 1000;
constexpr std::size_t TailleTexteLong = 20000;
}  // namespace

declinaisonDB::~declinaisonDB() = default;

TamponsLigne& TamponsDeclinaison() {
    static TamponsLigne tampons({TamponsLigne::ColonneTexte(TailleTexteCourt), TamponsLigne::ColonneTexte(TailleTexteLong)});
    return tampons;
}

declinaisonDB LireLigneDeclinaison(const TamponsLigne& tampons) {
    declinaisonDB enregistrement;
    enregistrement.texte1 = SimplifierApostrophes(tampons.Texte(0));
    enregistrement.texte2 = SimplifierApostrophes(tampons.Texte(1));
    return enregistrement;
}

bool LireDeclinaison(declinaisonDB& enregistrement, ConnexionBase& connexion, const std::string& mot) {
    enregistrement = declinaisonDB();
    return LireParCle(connexion, TamponsDeclinaison(), TABLE_DECLINAISONS, CLE_DECLINAISONS, mot,
                      [&enregistrement](const TamponsLigne& tampons) { enregistrement = LireLigneDeclinaison(tampons); });
}
