#include "tools/donnees/MarquesUsage.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "tools/donnees/TexteLittre.h"

namespace {
// A label "en tête seulement" is a common word elsewhere ("un vieux valet",
// "le bas de la robe"): it counts only when it opens the definition and is
// followed by a period or a comma. The others count in the definition's
// label zone (its first words) or anywhere between parentheses.
constexpr MarqueUsage TableMarques[] = {
    {"Terme d'argot", "(argot)", false},
    {"Mot d'argot", "(argot)", false},
    {"En argot", "(argot)", false},
    {"Dans l'argot", "(argot)", false},
    {"Argot", "(argot)", true},
    {"Populairement", "(populaire)", false},
    {"Terme populaire", "(populaire)", false},
    {"Locution populaire", "(populaire)", false},
    {"Mot populaire", "(populaire)", false},
    {"Dans le langage populaire", "(populaire)", false},
    {"Pop", "(populaire)", true},
    {"Famili\xE8rement", "(familier)", false},
    {"Terme familier", "(familier)", false},
    {"Terme tr\xE8s familier", "(familier)", false},
    {"Locution famili\xE8re", "(familier)", false},
    {"Style familier", "(familier)", false},
    {"Dans le langage familier", "(familier)", false},
    {"Dans le style familier", "(familier)", false},
    {"Fam", "(familier)", true},
    {"Bassement", "(vulgaire)", false},
    {"Terme bas", "(vulgaire)", false},
    {"Style bas", "(vulgaire)", false},
    {"Trivialement", "(vulgaire)", false},
    {"Terme trivial", "(vulgaire)", false},
    {"Terme grossier", "(vulgaire)", false},
    {"Bas", "(vulgaire)", true},
    {"Vieilli", "(vieilli)", true},
    {"Qui a vieilli", "(vieilli)", false},
    {"Tournure qui a vieilli", "(vieilli)", false},
    {"Locution qui a vieilli", "(vieilli)", false},
    {"Ce mot a vieilli", "(vieilli)", false},
    {"Il a vieilli", "(vieilli)", false},
    {"Il vieillit", "(vieilli)", false},
    {"Vieux mot", "(vieux)", false},
    {"Vieux langage", "(vieux)", false},
    {"Vieux style", "(vieux)", false},
    {"Terme vieux", "(vieux)", false},
    {"Il est vieux", "(vieux)", false},
    {"Ce mot est vieux", "(vieux)", false},
    {"Vieux", "(vieux)", true},
    {"Peu usit\xE9", "(rare)", false},
    {"Inusit\xE9", "(rare)", false},
    {"Rare", "(rare)", true},
};

// How far into a definition its leading labels reach ("Fig. et très
// familièrement. ...").
constexpr std::size_t ZONE_LIBELLES = 48;

bool EgalSansCasseInitiale(const std::string& texte, std::size_t position, const char* libelle) {
    const std::size_t longueur = std::strlen(libelle);
    if (position > texte.size() || texte.size() - position < longueur) return false;
    if (MinusculeCp1252(texte[position]) != MinusculeCp1252(libelle[0])) return false;
    return texte.compare(position + 1, longueur - 1, libelle + 1) == 0;
}

bool FinDeMot(const std::string& texte, std::size_t position) {
    return position >= texte.size() || !(EstMajusculeCp1252(texte[position]) ||
                                         EstMinusculeCp1252(texte[position]));
}

bool DebutDeMot(const std::string& texte, std::size_t position) {
    return position == 0 || FinDeMot(texte, position - 1);
}

// Is the position inside parentheses?
bool EntreParentheses(const std::string& texte, std::size_t position) {
    const std::size_t ouvrante = texte.rfind('(', position);
    if (ouvrante == std::string::npos) return false;
    const std::size_t fermante = texte.find(')', ouvrante);
    return fermante != std::string::npos && fermante > position;
}

bool Contient(const std::string& texte, const MarqueUsage& marque) {
    const std::size_t longueur = std::strlen(marque.libelle);
    if (marque.enTeteSeulement)
        return EgalSansCasseInitiale(texte, 0, marque.libelle) && longueur < texte.size() &&
               (texte[longueur] == '.' || texte[longueur] == ',');
    // Found by the label's tail, which has no case variation, then checked.
    for (std::size_t queue = texte.find(marque.libelle + 1, 1); queue != std::string::npos;
         queue = texte.find(marque.libelle + 1, queue + 1)) {
        const std::size_t p = queue - 1;
        if (!EgalSansCasseInitiale(texte, p, marque.libelle)) continue;
        if (!DebutDeMot(texte, p) || !FinDeMot(texte, p + longueur)) continue;
        if (p < ZONE_LIBELLES || EntreParentheses(texte, p)) return true;
    }
    return false;
}

// Length of the label phrase opening the definition ("Familièrement. "),
// or 0 when the definition does not open with one.
std::size_t LibelleInitial(const std::string& texte) {
    for (const MarqueUsage& marque : TableMarques) {
        const std::size_t longueur = std::strlen(marque.libelle);
        if (!EgalSansCasseInitiale(texte, 0, marque.libelle)) continue;
        if (longueur >= texte.size() || (texte[longueur] != '.' && texte[longueur] != ','))
            continue;
        std::size_t fin = longueur + 1;
        while (fin < texte.size() && texte[fin] == ' ') ++fin;
        return fin;
    }
    return 0;
}
}  // namespace

std::vector<std::string> MarqueursDe(const std::string& definition) {
    std::vector<std::string> marqueurs;
    for (const MarqueUsage& marque : TableMarques) {
        if (!Contient(definition, marque)) continue;
        if (std::find(marqueurs.begin(), marqueurs.end(), marque.marqueur) == marqueurs.end())
            marqueurs.emplace_back(marque.marqueur);
    }
    return marqueurs;
}

std::string DefinitionMarquee(const std::string& definition,
                              const std::vector<std::string>& heritees) {
    std::vector<std::string> marqueurs = heritees;
    for (const std::string& marqueur : MarqueursDe(definition))
        if (std::find(marqueurs.begin(), marqueurs.end(), marqueur) == marqueurs.end())
            marqueurs.push_back(marqueur);
    if (marqueurs.empty()) return definition;
    std::string reste = definition.substr(LibelleInitial(definition));
    std::string sortie;
    for (const std::string& marqueur : marqueurs) sortie += marqueur + " ";
    sortie += reste;
    while (!sortie.empty() && sortie.back() == ' ') sortie.pop_back();
    return sortie;
}
