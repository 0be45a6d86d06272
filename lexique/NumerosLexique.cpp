#include "lexique/NumerosLexique.h"

#include <cstdio>

#include "lexique/dictionnaire.h"

namespace {

// Beyond this many names or values the numbering is taken as unusable.
constexpr std::size_t TailleNumerotationMaximum = 1000;

bool NumerotationUtilisable(const Numerotation& numerotation) {
    return !numerotation.textes.empty() && numerotation.textes.size() <= TailleNumerotationMaximum;
}

int Chercher(const std::map<std::string, int>& numeros, const std::string& texte) {
    const auto trouve = numeros.find(texte);
    return trouve == numeros.end() ? 0 : trouve->second;
}

std::string Chercher(const std::map<int, std::string>& textes, int numero) {
    const auto trouve = textes.find(numero);
    return trouve == textes.end() ? std::string() : trouve->second;
}

}  // namespace

// The records hold the current lexicon as their number services: one pointer
// for both, so that they can never disagree.
void FixerLexiqueCourant(dictionnaire* lexique) { FixerServicesCourants(lexique); }

void OublierLexiqueCourant(const dictionnaire* lexique) { OublierServicesCourants(lexique); }

dictionnaire* LexiqueCourant() { return dynamic_cast<dictionnaire*>(ServicesCourants()); }

int dictionnaire::NumeroMot(const std::string& mot) { return Chercher(NumerosMots().numeros, mot); }

int dictionnaire::NumeroVariable(const std::string& nom) {
    const Numerotation& variables = NumerosVariables();
    return NumerotationUtilisable(variables) ? Chercher(variables.numeros, nom) : 0;
}

int dictionnaire::NumeroValeur(const std::string& texte) {
    if (!texte.empty() && texte.front() == '#') return -NumeroVariable(texte.substr(1));
    const Numerotation& valeurs = NumerosValeurs();
    return NumerotationUtilisable(valeurs) ? Chercher(valeurs.numeros, texte) : 0;
}

int NumeroMot(const std::string& mot) {
    dictionnaire* const lexique = LexiqueCourant();
    return lexique ? lexique->NumeroMot(mot) : 0;
}

int NumeroVariable(const std::string& nom) {
    dictionnaire* const lexique = LexiqueCourant();
    return lexique ? lexique->NumeroVariable(nom) : 0;
}

std::string NomVariable(int numero) {
    dictionnaire* const lexique = LexiqueCourant();
    if (!lexique || numero == 0) return std::string();
    return Chercher(lexique->NumerosVariables().textes, numero);
}

int NumeroValeur(const std::string& texte) {
    dictionnaire* const lexique = LexiqueCourant();
    return lexique ? lexique->NumeroValeur(texte) : 0;
}

std::string TexteValeur(int numero) {
    dictionnaire* const lexique = LexiqueCourant();
    if (!lexique || numero == 0) return std::string();
    if (numero < 0) {
        char texte[32];
        std::snprintf(texte, sizeof texte, "#var_%lld", -static_cast<long long>(numero));
        return texte;
    }
    return Chercher(lexique->NumerosValeurs().textes, numero);
}
