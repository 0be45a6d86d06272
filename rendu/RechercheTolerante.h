#pragma once
// The forgiving lookup the main window falls back on and the terminal
// command uses: "rechercher" (the headword, then the inflected forms), tried
// on what a reader means rather than on the bytes typed. Windows-1252 text.
#include <string>
#include <vector>

#include "data/Article.h"
#include "rendu/OptionsFiltre.h"

class DictionnairePrincipal;
class IndexFlexions;
class TetesSansAccents;

// What the lookups answer from: a dictionary, its inflected-form index and the
// accent-free index of its headwords (built on `dictionnaire`). Not owned.
struct SourcesArticles {
    const DictionnairePrincipal& dictionnaire;
    IndexFlexions& flexions;
    TetesSansAccents& tetes;
};

// The default dictionary's, forms' and accent-free index's.
SourcesArticles SourcesParDefaut();

struct MotAffiche {
    std::string mot;  // the headword whose articles are shown
    std::vector<Article> articles;  // already reduced by the excluded types
};

// The typed word with its blanks trimmed and typographic apostrophes made plain.
std::string NettoyerSaisie(const std::string& saisie);

// The headword and articles "rechercher" shows for `mot` exactly; empty
// articles when it shows nothing.
MotAffiche RechercherCommeLaFenetre(const std::string& mot, const CarteOptions& typesExclus);
MotAffiche RechercherCommeLaFenetre(const SourcesArticles& sources, const std::string& mot,
                                    const CarteOptions& typesExclus);

// The words to show for a typed word, tried in this order, the first that
// gives articles winning: the cleaned word, then in lower case, then with
// "oe" as "\x9C"; then the same without an elided article or pronoun
// ("l'", "d'", "qu'"...); then all of these without the punctuation around
// the word ("maison'", "(maison)"); then every headword that differs from one of those
// only by accents (and case, and "\x9C" written "oe"), in dictionary order.
// Empty when nothing is found.
std::vector<MotAffiche> RechercherTolerant(const std::string& saisie, const CarteOptions& typesExclus);
std::vector<MotAffiche> RechercherTolerant(const SourcesArticles& sources, const std::string& saisie,
                                           const CarteOptions& typesExclus);

// The word without the blanks, quotes, brackets and end-of-phrase marks
// around it ("(maison)," gives "maison").
std::string SansPonctuationAutour(const std::string& mot);

// Lower case, no accents, "\x9C" and "\xE6" as two letters: the form that
// words differing only by these share.
std::string FormeSansAccents(const std::string& mot);
