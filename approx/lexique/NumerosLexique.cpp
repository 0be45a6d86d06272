#include "approx/lexique/NumerosLexique.h"

#include <cstdio>

#include "approx/lexique/dictionnaire.h"

namespace {

// Beyond this many names or values the numbering is taken as unusable.
constexpr std::size_t TailleNumerotationMaximum = 1000;

dictionnaire* lexiqueCourant = nullptr;

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

void FixerLexiqueCourant(dictionnaire* lexique) { lexiqueCourant = lexique; }

void OublierLexiqueCourant(const dictionnaire* lexique) {
    if (lexiqueCourant == lexique) lexiqueCourant = nullptr;
}

dictionnaire* LexiqueCourant() { return lexiqueCourant; }

int NumeroMot(const std::string& mot) {
    return lexiqueCourant ? Chercher(lexiqueCourant->NumerosMots().numeros, mot) : 0;
}

int NumeroVariable(const std::string& nom) {
    if (!lexiqueCourant) return 0;
    const Numerotation& variables = lexiqueCourant->NumerosVariables();
    return NumerotationUtilisable(variables) ? Chercher(variables.numeros, nom) : 0;
}

std::string NomVariable(int numero) {
    if (!lexiqueCourant || numero == 0) return std::string();
    return Chercher(lexiqueCourant->NumerosVariables().textes, numero);
}

int NumeroValeur(const std::string& texte) {
    if (!lexiqueCourant) return 0;
    if (!texte.empty() && texte.front() == '#') return -NumeroVariable(texte.substr(1));
    const Numerotation& valeurs = lexiqueCourant->NumerosValeurs();
    return NumerotationUtilisable(valeurs) ? Chercher(valeurs.numeros, texte) : 0;
}

std::string TexteValeur(int numero) {
    if (!lexiqueCourant || numero == 0) return std::string();
    if (numero < 0) {
        char texte[32];
        std::snprintf(texte, sizeof texte, "#var_%lld", -static_cast<long long>(numero));
        return texte;
    }
    return Chercher(lexiqueCourant->NumerosValeurs().textes, numero);
}
