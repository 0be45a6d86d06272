#include "tools/donnees/ReparationsSens.h"

#include <cstdlib>
#include <map>

#include "tools/donnees/TexteLittre.h"

namespace {

bool EstLettre(char c) { return EstMinusculeCp1252(c) || EstMajusculeCp1252(c); }

std::vector<std::string> Mots(const std::string& texte) {
    std::vector<std::string> mots;
    for (std::size_t debut = 0; debut < texte.size();) {
        const std::size_t fin = std::min(texte.find(' ', debut), texte.size());
        if (fin > debut) mots.push_back(texte.substr(debut, fin - debut));
        debut = fin + 1;
    }
    return mots;
}

std::string SansPointFinal(std::string texte) {
    while (!texte.empty() && (texte.back() == '.' || texte.back() == ' ')) texte.pop_back();
    return texte;
}

// "mucher" for "Mâcher": the same length give or take two letters, and the
// words after it the same.
bool PremierMotAbime(const std::vector<std::string>& texte, const std::vector<std::string>& glose) {
    constexpr std::size_t MOTS_COMPARES = 3;
    if (texte.size() < MOTS_COMPARES + 1 || glose.size() < MOTS_COMPARES + 1) return false;
    if (texte[0] == glose[0] || !EstMinusculeCp1252(texte[0][0]) || !EstMajusculeCp1252(glose[0][0]))
        return false;
    const long ecart = long(texte[0].size()) - long(glose[0].size());
    if (std::labs(ecart) > 2) return false;
    for (std::size_t k = 1; k <= MOTS_COMPARES; ++k)
        if (texte[k] != glose[k]) return false;
    return true;
}

// All that is left of "HISTORIQUE :" or of "ÉTYMOLOGIE" once glued: capitals,
// blanks and punctuation only.
bool ResteDeTitre(const std::string& partie) {
    std::size_t capitales = 0;
    for (char c : partie) {
        if (EstMajusculeCp1252(c)) ++capitales;
        else if (c != ' ' && c != ':' && c != '.') return false;
    }
    return capitales >= 3;
}

int Profondeur(const std::string& texte, std::size_t fin) {
    int profondeur = 0;
    for (std::size_t i = 0; i < fin; ++i) profondeur += texte[i] == '(' ? 1 : texte[i] == ')' ? -1 : 0;
    return profondeur;
}

}  // namespace

std::string TexteAvecGlose(const std::string& texte, const std::string& glose) {
    const std::vector<std::string> mots = Mots(texte);
    if (mots.size() <= 1) {
        // "Fig." alone, or nothing: the gloss says what the sense is.
        if (texte.empty() || glose.find(texte) != std::string::npos) return glose;
        return texte + " " + glose;
    }
    const std::vector<std::string> motsGlose = Mots(SansPointFinal(glose));
    if (PremierMotAbime(mots, motsGlose)) return motsGlose[0] + texte.substr(mots[0].size());
    return texte;
}

bool JointureDeSens(const std::string& texte, std::size_t i) {
    if (i < 3 || i + 2 >= texte.size() || texte[i] != '.') return false;
    for (std::size_t k = i - 3; k < i; ++k)
        if (!EstMinusculeCp1252(texte[k])) return false;
    const char suivant = texte[i + 2];
    return EstMajusculeCp1252(texte[i + 1]) && (EstLettre(suivant) || suivant == '\'') &&
           Profondeur(texte, i) == 0;
}

std::vector<std::string> SensDecolles(const std::string& texte) {
    std::vector<std::string> parties;
    std::size_t debut = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (!JointureDeSens(texte, i)) continue;
        parties.push_back(texte.substr(debut, i + 1 - debut));
        debut = i + 1;
    }
    parties.push_back(texte.substr(debut));
    std::vector<std::string> sens;
    for (std::string& partie : parties)
        if (!ResteDeTitre(partie) || parties.size() == 1) sens.push_back(std::move(partie));
    if (sens.empty()) sens.push_back(texte);
    return sens;
}

std::string JointuresEspacees(const std::string& texte) {
    std::string sortie;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        sortie += texte[i];
        if (JointureDeSens(texte, i)) sortie += ' ';
    }
    return sortie;
}

std::string TetesRendues(const std::string& texte, const std::vector<std::string>& gloses) {
    constexpr std::size_t LETTRES_PERDUES = 2, ACCORD_MINIMAL = 12;
    std::string sortie = texte;
    for (std::size_t i = sortie.size(); i-- > 3;) {
        if (sortie[i] != '.' || i + 2 >= sortie.size() || !EstMinusculeCp1252(sortie[i + 1]) ||
            !EstMinusculeCp1252(sortie[i - 1]))
            continue;
        for (const std::string& glose : gloses) {
            bool rendue = false;
            for (std::size_t perdues = 1; perdues <= LETTRES_PERDUES && !rendue; ++perdues) {
                if (glose.size() < perdues + ACCORD_MINIMAL || !EstMajusculeCp1252(glose[0])) continue;
                const std::size_t accord = std::min(glose.size() - perdues, sortie.size() - i - 1);
                if (accord < ACCORD_MINIMAL || sortie.compare(i + 1, accord, glose, perdues, accord) != 0) continue;
                sortie.insert(i + 1, glose.substr(0, perdues));
                rendue = true;
            }
            if (rendue) break;
        }
    }
    return sortie;
}

std::string EnTeteEnClair(const std::string& texte) {
    // The heading: words in capitals (with their commas and hyphens), then
    // the pronunciation in parentheses, then a comma.
    std::size_t fin = 0, capitales = 0;
    while (fin < texte.size() && (EstMajusculeCp1252(texte[fin]) || texte[fin] == ',' || texte[fin] == ' ' ||
                                  texte[fin] == '-' || texte[fin] == '\'')) {
        capitales += EstMajusculeCp1252(texte[fin]);
        ++fin;
    }
    if (capitales < 3 || texte.compare(fin, 1, "(") != 0 || fin < 2 || texte[fin - 1] != ' ') return texte;
    const std::size_t fermante = texte.find(')', fin);
    if (fermante == std::string::npos || texte.compare(fermante + 1, 2, ", ") != 0) return texte;
    std::string mot = texte.substr(0, fin - 1);
    for (std::size_t k = 1; k < mot.size(); ++k) mot[k] = MinusculeCp1252(mot[k]);
    return mot + texte.substr(fermante + 1);
}

std::string SansPonctuationPendante(const std::string& texte) {
    std::string sortie;
    sortie.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        const bool virguleOuPoint = c == ',' || (c == '.' && texte.compare(i + 1, 1, ".") != 0 &&
                                                 (sortie.empty() || sortie.back() != '.'));
        if (virguleOuPoint && !sortie.empty() && sortie.back() == ' ') sortie.pop_back();
        const std::size_t ouvrante = sortie.rfind('(');
        if (c == ')' && ouvrante != std::string::npos &&
            sortie.find_first_not_of(' ', ouvrante + 1) == std::string::npos) {
            sortie.erase(ouvrante);
            while (!sortie.empty() && sortie.back() == ' ') sortie.pop_back();
            continue;
        }
        sortie += c;
    }
    return sortie;
}

bool PonctuationPendante(const std::string& texte) { return SansPonctuationPendante(texte) != texte; }

namespace {

std::string PremierMot(const std::string& definition) {
    std::size_t debut = 0;
    while (debut < definition.size() && definition[debut] == '(') {  // "(familier) Par extension"
        const std::size_t fin = definition.find(") ", debut);
        if (fin == std::string::npos) break;
        debut = fin + 2;
    }
    std::size_t fin = debut;
    while (fin < definition.size() && EstLettre(definition[fin])) ++fin;
    return definition.substr(debut, fin - debut);
}

// "P|olynice": a bar between a capital and a small letter is no text.
std::string SansBarre(const std::string& texte) {
    std::string sortie;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '|' && i > 0 && i + 1 < texte.size() && EstMajusculeCp1252(texte[i - 1]) &&
            EstMinusculeCp1252(texte[i + 1]))
            continue;
        sortie += texte[i];
    }
    return sortie;
}

constexpr std::size_t OUVERTURES_MINIMALES = 20;

// The capital that the fragment at `i + 1` lost, or 0.
char CapitalePerdue(const std::string& texte, std::size_t i, const std::map<std::string, std::size_t>& ouvertures) {
    if (texte[i] != '.' || i < 3 || i + 2 >= texte.size()) return 0;
    for (std::size_t k = i - 3; k < i + 3; ++k)
        if (k != i && !EstMinusculeCp1252(texte[k])) return 0;
    std::size_t fin = i + 1;
    while (fin < texte.size() && EstLettre(texte[fin])) ++fin;
    const std::string fragment = texte.substr(i + 1, fin - i - 1);
    char trouvee = 0;
    for (unsigned c = 'A'; c <= 0xDE; ++c) {
        const char capitale = char(c);
        if (!EstMajusculeCp1252(capitale)) continue;
        const auto compte = ouvertures.find(capitale + fragment);
        if (compte == ouvertures.end() || compte->second < OUVERTURES_MINIMALES) continue;
        if (trouvee) return 0;
        trouvee = capitale;
    }
    return trouvee;
}

}  // namespace

std::size_t RendreLettresPerdues(std::vector<Article>& articles) {
    std::map<std::string, std::size_t> ouvertures;
    for (const Article& article : articles)
        for (const Sens& sens : article.sens) ++ouvertures[PremierMot(sens.definition)];
    std::size_t reparees = 0;
    for (Article& article : articles) {
        std::vector<Sens> sens;
        for (Sens& s : article.sens) {
            for (std::string& exemple : s.exemples) exemple = SansBarre(exemple);
            std::string texte = s.definition;
            for (std::size_t i = texte.size(); i-- > 0;)
                if (const char capitale = CapitalePerdue(texte, i, ouvertures)) texte.insert(i + 1, 1, capitale);
            if (texte == s.definition) {
                sens.push_back(std::move(s));
                continue;
            }
            ++reparees;
            std::vector<std::string> parties = SensDecolles(texte);
            for (std::size_t k = 0; k < parties.size(); ++k)
                sens.push_back(Sens{std::move(parties[k]), k + 1 == parties.size() ? std::move(s.exemples)
                                                                                     : std::vector<std::string>{}});
        }
        article.sens = std::move(sens);
    }
    return reparees;
}
