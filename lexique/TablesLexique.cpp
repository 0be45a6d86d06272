#include "lexique/TablesLexique.h"

#include "database/ListeEchappee.h"
#include "database/TamponsLigne.h"

namespace {

constexpr std::size_t TailleTexte = 1000;

TamponsLigne& TamponsVariables() {
    static TamponsLigne tampons({TamponsLigne::ColonneTexte(TailleTexte), TamponsLigne::ColonneTexte(TailleTexte),
                                 TamponsLigne::ColonneEntier()});
    return tampons;
}

TamponsLigne& TamponsMots() {
    static TamponsLigne tampons({TamponsLigne::ColonneTexte(TailleTexte), TamponsLigne::ColonneTexte(TailleTexte),
                                 TamponsLigne::ColonneTexte(TailleTexte)});
    return tampons;
}

}  // namespace

std::vector<VariableLexique> LireVariablesLexique(ConnexionBase& connexion) {
    std::vector<VariableLexique> variables;
    ParcourirTable(connexion, TamponsVariables(), TABLE_VARIABLES, [&variables](const TamponsLigne& tampons) {
        variables.push_back({tampons.Texte(0), LireListeEchappee(tampons.Texte(1)), tampons.Entier(2)});
    });
    return variables;
}

std::vector<std::string> LireMotsLexique(ConnexionBase& connexion) {
    std::vector<std::string> mots;
    ParcourirTable(connexion, TamponsMots(), TABLE_MOTS,
                   [&mots](const TamponsLigne& tampons) { mots.push_back(tampons.Texte(0)); });
    return mots;
}
