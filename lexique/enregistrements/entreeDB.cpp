#include "lexique/enregistrements/entreeDB.h"

#include "database/ListeEchappee.h"
#include "database/TamponsLigne.h"
#include "text/Transformations.h"

namespace {
constexpr std::size_t TailleTexte = 1000;
constexpr std::size_t NombreTextes = 8;
}  // namespace

entreeDB::~entreeDB() = default;

TamponsLigne& TamponsEntree() {
    static TamponsLigne tampons = [] {
        std::vector<TamponsLigne::Colonne> colonnes(NombreTextes, TamponsLigne::ColonneTexte(TailleTexte));
        colonnes.push_back(TamponsLigne::ColonneEntier());
        return TamponsLigne(std::move(colonnes));
    }();
    return tampons;
}

entreeDB LireLigneEntree(const TamponsLigne& tampons) {
    entreeDB enregistrement;
    enregistrement.texte3 = SimplifierApostrophes(tampons.Texte(2));
    enregistrement.texte4 = SimplifierApostrophes(tampons.Texte(3));
    enregistrement.texte5 = SimplifierApostrophes(tampons.Texte(4));
    enregistrement.texte6 = tampons.Texte(5);
    enregistrement.texte7 = tampons.Texte(6);
    enregistrement.texte8 = tampons.Texte(7);
    enregistrement.nombre9 = tampons.Entier(8);
    enregistrement.texte1 = tampons.Texte(0);
    enregistrement.texte2 = tampons.Texte(1);
    enregistrement.nombres1 = LireEntiersEchappes(enregistrement.texte1);
    enregistrement.nombres2 = LireEntiersEchappes(enregistrement.texte2);
    return enregistrement;
}

bool LireEntree(entreeDB& enregistrement, ConnexionBase& connexion, const std::string& mot) {
    enregistrement = entreeDB();
    return LireParCle(connexion, TamponsEntree(), TABLE_ENTREES, CLE_ENTREES, mot,
                      [&enregistrement](const TamponsLigne& tampons) { enregistrement = LireLigneEntree(tampons); });
}
