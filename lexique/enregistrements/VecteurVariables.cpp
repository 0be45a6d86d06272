#include "lexique/enregistrements/VecteurVariables.h"

#include <cstdlib>

#include "lexique/enregistrements/ServicesLexique.h"

namespace {

int NumeroVariable(const std::string& nom) {
    ServicesLexique* const courants = ServicesCourants();
    return courants ? courants->NumeroVariable(nom) : 0;
}

int NumeroValeur(const std::string& texte) {
    ServicesLexique* const courants = ServicesCourants();
    return courants ? courants->NumeroValeur(texte) : 0;
}

void Barrer(std::array<bool, NOMBRE_POSITIONS_VARIABLES>& barrees, const char* variable) {
    const int position = NumeroVariable(variable);
    if (position >= 0 && position < NOMBRE_POSITIONS_VARIABLES) barrees[position] = true;
}

}  // namespace

// Worked out from the current lexicon on each call rather than once per run:
// it costs two lookups, and a table kept from an earlier lexicon (or from a
// time when none existed) would bar the wrong positions.
std::array<bool, NOMBRE_POSITIONS_VARIABLES> PositionsBarrees() {
    std::array<bool, NOMBRE_POSITIONS_VARIABLES> barrees{};
    Barrer(barrees, VARIABLE_LETTRE_INITIALE);
    Barrer(barrees, VARIABLE_LETTRE_SUIVANTE);
    return barrees;
}

TableVariables CalculerVecteurVariables(const std::map<std::string, std::string>& paires) {
    TableVariables vecteur;
    vecteur.tampon = std::rand();
    const std::array<bool, NOMBRE_POSITIONS_VARIABLES> barrees = PositionsBarrees();
    for (const auto& [nom, valeur] : paires) {
        const int position = NumeroVariable(nom);
        const int numero = NumeroValeur(valeur);
        if (position < 1 || position >= NOMBRE_POSITIONS_VARIABLES || numero <= 0 || barrees[position]) continue;
        vecteur.valeurs[position] = numero;
    }
    return vecteur;
}
