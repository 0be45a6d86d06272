#pragma once
// The word lookup of the terminal command: the main window's "rechercher"
// (the headword, then the inflected forms), tried on what a terminal user
// means rather than on the bytes typed. Windows-1252 text.
#include <string>
#include <vector>

#include "data/Article.h"
#include "rendu/OptionsFiltre.h"

struct MotAffiche {
    std::string mot;  // the headword whose articles are shown
    std::vector<Article> articles;  // already reduced by the excluded types
};

// The typed word with its blanks trimmed and typographic apostrophes made plain.
std::string NettoyerSaisie(const std::string& saisie);

// The headword and articles "rechercher" shows for `mot` exactly; empty
// articles when it shows nothing.
MotAffiche RechercherCommeLaFenetre(const std::string& mot, const CarteOptions& typesExclus);

// The words to show for a typed word, tried in this order, the first that
// gives articles winning: the cleaned word, then in lower case, then with
// "oe" as "\x9C"; then the same without an elided article or pronoun
// ("l'", "d'", "qu'"...); then every headword that differs from one of those
// only by accents (and case, and "\x9C" written "oe"), in dictionary order.
// Empty when nothing is found.
std::vector<MotAffiche> RechercherTolerant(const std::string& saisie, const CarteOptions& typesExclus);

// Lower case, no accents, "\x9C" and "\xE6" as two letters: the form that
// words differing only by these share.
std::string FormeSansAccents(const std::string& mot);
