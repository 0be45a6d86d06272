#include "tools/donnees/AntonymesLittre.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "text/Transformations.h"

namespace {

using Formes = std::map<std::string, std::vector<std::string>>;

struct Lexique {
    std::set<std::string> vedettes;
    const Formes& formes;

    // The headword a word of a definition stands for: itself, else the
    // headword it is a form of; empty when neither.
    std::string Lemme(const std::string& mot) const {
        if (vedettes.count(mot)) return mot;
        const auto trouve = formes.find(mot);
        return trouve == formes.end() || trouve->second.empty() ? "" : trouve->second.front();
    }
};

bool EstLettre(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == 0x8C || u == 0x9C ||
           (u >= 0xC0 && u != 0xD7 && u != 0xF7) || c == '-';
}

bool CommencePar(const std::string& texte, const char* debut, std::size_t position = 0) {
    return texte.compare(position, std::strlen(debut), debut) == 0;
}

// The first sense without what precedes the definition proper: a field
// ("Terme de botanique. ") and usage marks in parentheses.
std::string DefinitionPropre(const std::string& definition) {
    std::string texte = definition;
    while (true) {
        if (CommencePar(texte, "Terme ") || CommencePar(texte, "Ancien terme ")) {
            const std::size_t point = texte.find(". ");
            if (point == std::string::npos) return texte;
            texte.erase(0, point + 2);
        } else if (!texte.empty() && texte.front() == '(') {
            const std::size_t fin = texte.find(") ");
            if (fin == std::string::npos) return texte;
            texte.erase(0, fin + 2);
        } else {
            return texte;
        }
    }
}

// The words of a text in lower case, apostrophes and punctuation dropped.
std::vector<std::string> Mots(const std::string& texte) {
    std::vector<std::string> mots;
    std::string mot;
    for (std::size_t i = 0; i <= texte.size(); ++i) {
        if (i < texte.size() && EstLettre(texte[i])) {
            mot += texte[i];
        } else if (!mot.empty()) {
            mots.push_back(Minuscules(mot));
            mot.clear();
        }
    }
    return mots;
}

// The word that `texte` starts with at `position`, up to the next blank or
// punctuation; empty when it is not a plain word.
std::string MotEn(const std::string& texte, std::size_t position, std::size_t& fin) {
    fin = position;
    while (fin < texte.size() && EstLettre(texte[fin])) ++fin;
    return texte.substr(position, fin - position);
}

bool FinDeGroupe(const std::string& texte, std::size_t position) {
    if (position >= texte.size()) return true;
    const char c = texte[position];
    if (std::strchr(",.;:()!?", c) != nullptr) return true;
    return CommencePar(texte, " et ", position) || CommencePar(texte, " ou ", position) ||
           CommencePar(texte, " (", position);
}

// One word, or two, ending a group: "relatif", "la sobriété", "dettes
// passives". Articles in front are dropped.
std::vector<std::string> GroupeEn(const std::string& texte, std::size_t position) {
    static const char* const articles[] = {"la ", "le ", "les ", "l'", "un ", "une ", "des "};
    for (const char* article : articles)
        if (CommencePar(texte, article, position)) {
            position += std::strlen(article);
            break;
        }
    std::vector<std::string> mots;
    while (mots.size() < 3) {
        std::size_t fin = position;
        const std::string mot = MotEn(texte, position, fin);
        if (mot.empty()) return {};
        mots.push_back(Minuscules(mot));
        if (FinDeGroupe(texte, fin)) return mots.size() <= 2 ? mots : std::vector<std::string>{};
        if (texte[fin] != ' ') return {};
        position = fin + 1;
    }
    return {};
}

// "plain-chant" and "chant", "contre-riposte" and "riposte": a compound and
// its own part are never opposites, whatever the phrase says.
bool PartieComposee(const std::string& compose, const std::string& partie) {
    if (compose.size() <= partie.size()) return false;
    const std::size_t position = compose.find(partie);
    if (position == std::string::npos) return false;
    const std::size_t fin = position + partie.size();
    return (position > 0 && compose[position - 1] == '-') || (fin < compose.size() && compose[fin] == '-');
}

void Emettre(std::vector<PaireAntonymes>& paires, const Article& article, const std::string& autre) {
    if (autre.empty() || autre == article.mot) return;
    for (const std::string& categorie : CategoriesAntonymes(article.categorie))
        paires.push_back({article.mot, autre, categorie, SOURCE_LITTRE});
}

// --- prefixed words defined as the negation of their base ---

struct Prefixe {
    const char* texte;
    // "Qui n'est pas ...", "Qui ne ..." are proof enough after this prefix,
    // the base need not appear: "impossible: Qui ne peut être".
    bool negationSuffit;
};

const Prefixe prefixes[] = {{"in", true},        {"im", true},       {"il", true},  {"ir", true},
                            {"a", false},        {"an", false},      {"non-", true}, {"mal", false},
                            {"m\xE9", false},    {"m\xE9s", false},  {"d\xE9", false}, {"d\xE9s", false},
                            {"des", false},      {"dis", false},     {"anti", false}};

const char* const formesNegatives[] = {
    "Qui n'est pas",   "Qui n'est point", "Qui n'est plus",  "Qui n'a pas",     "Qui n'a point",
    "Qui n'a plus",    "Qui ne ",         "Qui est sans",    "Qui manque de",   "Qui manque d'",
    "Sans ",           "Contraire de",    "Contraire d'",    "Contraire \xE0",  "Contraire au",
    "Absence de",      "Absence d'",      "Manque de",       "Manque d'",       "D\xE9" "faut de",
    "D\xE9" "faut d'", "Privation de",    "Privation d'",    "Cessation de",    "Cessation d'",
    "Cessation du",    "\xD4ter",         "Enlever",         "D\xE9" "faire",   "D\xE9truire",
    "Faire cesser",    "Retirer",         "D\xE9garnir",     "D\xE9" "barrasser", "D\xE9pouiller",
    "Priver"};

bool FormeNegative(const std::string& definition, const std::string& prefixe) {
    for (const char* forme : formesNegatives)
        if (CommencePar(definition, forme)) return true;
    // "invalidement: D'une manière invalide"
    const std::string maniere = "D'une mani\xE8re " + prefixe;
    return CommencePar(definition, maniere.c_str());
}

// The base's first letters (all but its ending, accents aside) starting a
// word of the definition: "déplier: Défaire une chose qui était pliée";
// not inside one, as in the example "Il a déménagé" under "déménager".
bool BaseCitee(const std::string& definition, const std::string& base) {
    const std::size_t longueur = std::min(base.size(), std::max<std::size_t>(3, base.size() - 3));
    const std::string texte = SansAccents(Minuscules(definition)), souche = SansAccents(base.substr(0, longueur));
    for (std::size_t position = texte.find(souche); position != std::string::npos;
         position = texte.find(souche, position + 1))
        if (position == 0 || !EstLettre(texte[position - 1])) return true;
    return false;
}

void PaireDuPrefixe(std::vector<PaireAntonymes>& paires, const Article& article, const Lexique& lexique) {
    if (article.sens.empty()) return;
    const std::string definition = DefinitionPropre(article.sens.front().definition);
    for (const Prefixe& prefixe : prefixes) {
        const std::size_t n = std::strlen(prefixe.texte);
        if (article.mot.size() < n + 3 || article.mot.compare(0, n, prefixe.texte) != 0) continue;
        const std::string base = article.mot.substr(n);
        if (!lexique.vedettes.count(base) || !FormeNegative(definition, prefixe.texte)) continue;
        // Other shapes, and short bases, must name the base: "incurie: Manque de
        // soin" has nothing to do with "curie".
        const bool negationSeule = prefixe.negationSuffit && base.size() >= 5 &&
                                   (CommencePar(definition, "Qui n'") || CommencePar(definition, "Qui ne "));
        if (!negationSeule && !BaseCitee(definition, base)) continue;
        Emettre(paires, article, base);
        return;
    }
}

// --- "roturier: Qui n'est pas noble." ---

void PaireDuMotNie(std::vector<PaireAntonymes>& paires, const Article& article, const Lexique& lexique) {
    if (article.sens.empty()) return;
    const std::string definition = DefinitionPropre(article.sens.front().definition);
    for (const char* forme : {"Qui n'est pas ", "Qui n'est point "}) {
        if (!CommencePar(definition, forme)) continue;
        const std::size_t debut = std::strlen(forme);
        std::size_t fin = debut;
        const std::string mot = MotEn(definition, debut, fin);
        if (!mot.empty() && (fin == definition.size() || std::strchr(",.;", definition[fin]) != nullptr))
            Emettre(paires, article, lexique.Lemme(Minuscules(mot)));
    }
}

// --- "par opposition à", "opposé à", "contraire à / de" ---

// Where the opposed group starts after a marker at `position`, or npos.
std::size_t ApresMarqueur(const std::string& texte, std::size_t position) {
    static const char* const marqueurs[] = {"par opposition ", "oppos\xE9 ", "oppos\xE9" "e ",
                                            "oppos\xE9s ",     "oppos\xE9" "es ", "contraire "};
    static const char* const liaisons[] = {"\xE0 ", "au ", "aux ", "de ", "du ", "d'"};
    for (const char* marqueur : marqueurs) {
        if (!CommencePar(texte, marqueur, position)) continue;
        const std::size_t apres = position + std::strlen(marqueur);
        const bool contraire = marqueur[0] == 'c';
        for (const char* liaison : liaisons) {
            const bool genitif = liaison[0] == 'd';
            if (genitif && !contraire) continue;
            if (CommencePar(texte, liaison, apres)) return apres + std::strlen(liaison);
        }
    }
    return std::string::npos;
}

// "Vie publique, ... par opposition à vie privée": the word of the
// opposed phrase that replaces the headword in the phrase the sense defines.
std::string MotRemplace(const std::vector<std::string>& avant, const std::vector<std::string>& oppose,
                        const Article& article, const Lexique& lexique) {
    const auto estVedette = [&](const std::string& mot) { return lexique.Lemme(mot) == article.mot; };
    const auto meme = [&](const std::string& a, const std::string& b) {
        return a == b || (!lexique.Lemme(a).empty() && lexique.Lemme(a) == lexique.Lemme(b));
    };
    for (std::size_t i = 0; i + 1 < avant.size(); ++i) {
        if (estVedette(avant[i + 1]) && meme(avant[i], oppose[0]) && !estVedette(oppose[1])) return oppose[1];
        if (estVedette(avant[i]) && meme(avant[i + 1], oppose[1]) && !estVedette(oppose[0])) return oppose[0];
    }
    return "";
}

void PairesDesOppositions(std::vector<PaireAntonymes>& paires, const Article& article, const Lexique& lexique) {
    const auto emettre = [&](const std::string& autre) {
        if (!PartieComposee(article.mot, autre) && !PartieComposee(autre, article.mot)) Emettre(paires, article, autre);
    };
    for (const Sens& sens : article.sens) {
        const std::string& texte = sens.definition;
        for (std::size_t position = 0; position < texte.size(); ++position) {
            if (position > 0 && EstLettre(texte[position - 1])) continue;
            const std::size_t debut = ApresMarqueur(texte, position);
            if (debut == std::string::npos) continue;
            const std::vector<std::string> oppose = GroupeEn(texte, debut);
            if (oppose.size() == 1) {
                emettre(lexique.Lemme(oppose[0]));
            } else if (oppose.size() == 2) {
                const std::string mot = MotRemplace(Mots(texte.substr(0, position)), oppose, article, lexique);
                if (!mot.empty()) emettre(lexique.Lemme(mot));
            }
        }
    }
}

}  // namespace

AntonymesLittre AntonymesDuLittre(const std::vector<Article>& articles, const Formes& formes) {
    Lexique lexique{{}, formes};
    for (const Article& article : articles) lexique.vedettes.insert(article.mot);
    AntonymesLittre paires;
    for (const Article& article : articles) {
        PaireDuPrefixe(paires.negations, article, lexique);
        PaireDuMotNie(paires.negations, article, lexique);
        PairesDesOppositions(paires.oppositions, article, lexique);
    }
    return paires;
}
