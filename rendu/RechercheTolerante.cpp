#include "rendu/RechercheTolerante.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "data/Dictionnaire.h"
#include "data/IndexFlexions.h"
#include "rendu/TetesSansAccents.h"
#include "text/Transformations.h"

namespace {

// Left and right single quotation marks, as typed by phones and word processors.
constexpr char APOSTROPHE_OUVRANTE = '\x91';
constexpr char APOSTROPHE_TYPOGRAPHIQUE = '\x92';

// Longest first, so that "qu'" is not taken for a shorter one.
constexpr std::array<const char*, 13> ELISIONS = {"jusqu'", "lorsqu'", "puisqu'", "quoiqu'", "qu'", "l'", "d'",
                                                  "j'",     "m'",      "t'",      "s'",      "n'",  "c'"};

void AjouterUnique(std::vector<std::string>& liste, const std::string& mot) {
    if (!mot.empty() && std::find(liste.begin(), liste.end(), mot) == liste.end()) liste.push_back(mot);
}

std::string Remplacer(std::string texte, const std::string& ancien, const std::string& nouveau) {
    for (std::size_t i = texte.find(ancien); i != std::string::npos; i = texte.find(ancien, i + nouveau.size()))
        texte.replace(i, ancien.size(), nouveau);
    return texte;
}

// The word, in lower case, then each with "oe" written as the ligature.
std::vector<std::string> Variantes(const std::string& mot) {
    std::vector<std::string> variantes;
    AjouterUnique(variantes, mot);
    AjouterUnique(variantes, Minuscules(mot));
    const std::size_t nombre = variantes.size();
    for (std::size_t i = 0; i < nombre; ++i)
        AjouterUnique(variantes, Remplacer(Remplacer(variantes[i], "oe", "\x9C"), "OE", "\x8C"));
    return variantes;
}

// The word without its elided article or pronoun; empty when it has none.
std::string SansElision(const std::string& mot) {
    const std::string minuscule = Minuscules(mot);
    for (const char* elision : ELISIONS) {
        const std::string prefixe(elision);
        if (minuscule.size() > prefixe.size() && minuscule.compare(0, prefixe.size(), prefixe) == 0)
            return mot.substr(prefixe.size());
    }
    return {};
}

// Quotes, brackets and the marks that end a phrase, as a word copied out of a
// sentence brings them along: '"()[].,;:!? and the typographic ones.
bool EstPonctuationAutour(char c) {
    static const std::string ponctuation = "'\"()[]{}.,;:!?\x85\x91\x92\x93\x94\xAB\xBB";
    return ponctuation.find(c) != std::string::npos;
}

bool EstBlanc(char c) { return c == ' ' || c == '\t' || c == '\xA0'; }

}  // namespace

std::string NettoyerSaisie(const std::string& saisie) {
    std::string mot = saisie;
    std::replace(mot.begin(), mot.end(), APOSTROPHE_TYPOGRAPHIQUE, '\'');
    std::replace(mot.begin(), mot.end(), APOSTROPHE_OUVRANTE, '\'');
    return Elaguer(mot);
}

std::string SansPonctuationAutour(const std::string& mot) {
    std::size_t debut = 0, fin = mot.size();
    while (debut < fin && (EstPonctuationAutour(mot[debut]) || EstBlanc(mot[debut]))) ++debut;
    while (fin > debut && (EstPonctuationAutour(mot[fin - 1]) || EstBlanc(mot[fin - 1]))) --fin;
    return mot.substr(debut, fin - debut);
}

std::string FormeSansAccents(const std::string& mot) {
    return SansAccents(Remplacer(Remplacer(Minuscules(mot), "\x9C", "oe"), "\xE6", "ae"));
}

SourcesArticles SourcesParDefaut() {
    return {DictionnaireCourant(), IndexFlexions::ParDefaut(), TetesSansAccents::ParDefaut()};
}

MotAffiche RechercherCommeLaFenetre(const std::string& mot, const CarteOptions& typesExclus) {
    return RechercherCommeLaFenetre(SourcesParDefaut(), mot, typesExclus);
}

MotAffiche RechercherCommeLaFenetre(const SourcesArticles& sources, const std::string& mot,
                                    const CarteOptions& typesExclus) {
    const auto articlesDe = [&sources, &typesExclus](const std::string& m) {
        std::vector<Article> articles = sources.dictionnaire.TrouverArticles(m);
        if (articles.empty()) articles = sources.dictionnaire.TrouverArticlesSequentiel(m);
        return FiltrerArticles(articles, typesExclus);
    };
    if (mot.empty()) return {};
    MotAffiche affiche{mot, articlesDe(mot)};
    if (!affiche.articles.empty()) return affiche;
    const std::optional<std::vector<std::string>> lemmes = sources.flexions.Lemmes(mot);
    if (lemmes && !lemmes->empty()) return {lemmes->front(), articlesDe(lemmes->front())};
    return {};
}

std::vector<MotAffiche> RechercherTolerant(const std::string& saisie, const CarteOptions& typesExclus) {
    return RechercherTolerant(SourcesParDefaut(), saisie, typesExclus);
}

std::vector<MotAffiche> RechercherTolerant(const SourcesArticles& sources, const std::string& saisie,
                                           const CarteOptions& typesExclus) {
    const std::string nettoye = NettoyerSaisie(saisie);
    std::vector<std::string> bases = {nettoye};
    AjouterUnique(bases, SansElision(nettoye));
    const std::string sansPonctuation = SansPonctuationAutour(nettoye);
    AjouterUnique(bases, sansPonctuation);
    AjouterUnique(bases, SansElision(sansPonctuation));
    std::vector<std::string> essais;
    for (const std::string& base : bases)
        for (const std::string& variante : Variantes(base)) AjouterUnique(essais, variante);
    for (const std::string& essai : essais) {
        MotAffiche affiche = RechercherCommeLaFenetre(sources, essai, typesExclus);
        if (!affiche.articles.empty()) return {affiche};
    }
    std::vector<MotAffiche> resultats;
    std::vector<std::string> formes;
    for (const std::string& base : bases) AjouterUnique(formes, FormeSansAccents(base));
    for (const std::string& forme : formes) {
        const std::vector<std::string>* mots = sources.tetes.Chercher(forme);
        if (mots == nullptr) continue;
        for (const std::string& mot : *mots) {
            MotAffiche affiche = RechercherCommeLaFenetre(sources, mot, typesExclus);
            if (!affiche.articles.empty()) resultats.push_back(std::move(affiche));
        }
        if (!resultats.empty()) break;
    }
    return resultats;
}
