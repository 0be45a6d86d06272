#include "database/ListeEchappee.h"

#include <climits>

namespace {

constexpr char ECHAPPEMENT = '\\';
constexpr char SEPARATEUR = '#';

void AjouterEchappe(std::string& sortie, const std::string& element) {
    for (const char c : element) {
        if (c == ECHAPPEMENT || c == SEPARATEUR) sortie += ECHAPPEMENT;
        sortie += c;
    }
    sortie += SEPARATEUR;
}

bool EstBlancC(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

int EntierCommeAtoi(const std::string& texte) {
    std::size_t i = 0;
    while (i < texte.size() && EstBlancC(texte[i])) ++i;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) negatif = texte[i++] == '-';
    long long valeur = 0;
    for (; i < texte.size() && texte[i] >= '0' && texte[i] <= '9'; ++i) {
        valeur = valeur * 10 + (texte[i] - '0');
        if (valeur > static_cast<long long>(INT_MAX) + 1) valeur = static_cast<long long>(INT_MAX) + 1;
    }
    if (negatif) return static_cast<int>(-valeur);
    return valeur > INT_MAX ? INT_MAX : static_cast<int>(valeur);
}

}  // namespace

std::vector<std::string> LireListeEchappee(const std::string& texte) {
    std::vector<std::string> elements;
    if (texte.size() < 3) return elements;
    const char echappement = texte[0];
    const char separateur = texte[1];
    std::string courant;
    bool complete = false;  // a character was added since the last separator
    for (std::size_t i = 2; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c == echappement) {
            if (++i == texte.size()) break;
            courant += texte[i];
            complete = true;
        } else if (c == separateur) {
            elements.push_back(courant);
            courant.clear();
            complete = false;
        } else {
            courant += c;
            complete = true;
        }
    }
    if (complete) elements.push_back(courant);
    return elements;
}

std::string EcrireListeEchappee(const std::vector<std::string>& elements) {
    std::string sortie{ECHAPPEMENT, SEPARATEUR};
    for (const std::string& element : elements) AjouterEchappe(sortie, element);
    return sortie;
}

std::vector<int> LireEntiersEchappes(const std::string& texte) {
    std::vector<int> entiers;
    for (const std::string& element : LireListeEchappee(texte)) entiers.push_back(EntierCommeAtoi(element));
    return entiers;
}

std::map<std::string, std::string> LirePairesEchappees(const std::string& texte) {
    const std::vector<std::string> elements = LireListeEchappee(texte);
    std::map<std::string, std::string> paires;
    for (std::size_t i = 0; i + 1 < elements.size(); i += 2) paires[elements[i]] = elements[i + 1];
    return paires;
}

std::string EcrirePairesEchappees(const std::map<std::string, std::string>& paires) {
    std::string sortie{ECHAPPEMENT, SEPARATEUR};
    for (const auto& [nom, valeur] : paires) {
        AjouterEchappe(sortie, nom);
        AjouterEchappe(sortie, valeur);
    }
    return sortie;
}
