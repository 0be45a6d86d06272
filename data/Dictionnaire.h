#pragma once
// The main dictionary: one process-wide array of articles in French order,
// loaded once from PWJTHSYUHEKE, and its lookups.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "data/Article.h"

inline constexpr const char* RESSOURCE_DICTIONNAIRE = "PWJTHSYUHEKE";

bool ChargerDictionnaire();
// Parses a payload already deciphered and inflated (also used by tests and the bench).
bool ChargerDictionnaireDepuis(const unsigned char* octets, std::size_t taille);
const std::vector<Article>& ArticlesDictionnaire();
const std::string& EtiquetteDonnees();  // the data label, "" until a load read it

struct PositionMot {
    bool trouve = false;
    int index = -1;
    int apresDernier = -1;
    int insertion = -1;
};
PositionMot ChercherPosition(const std::string& mot);
std::vector<Article> TrouverArticles(const std::string& mot);
std::vector<Article> TrouverArticlesSequentiel(const std::string& mot);

struct FenetreListe {
    std::vector<std::string> mots;
    int selection = 0;
};
// The headwords from 3 x `avant` records before the word to 3 x `apres` after
// it, one line per run of equal headwords. A word after the last headword is
// centred on the last record; any other missing word gives an empty list.
FenetreListe FenetreMots(const std::string& mot, int apres = 30, int avant = 20);

std::optional<std::string> ResoudreMot(const std::string& mot);
// Headwords of the articles whose definitions (and examples, when asked)
// contain `mot` byte for byte; one "SENS: [...]" trace line per article matched
// by a definition. An empty `mot` matches nothing.
std::vector<std::string> RechercherPleinTexte(const std::string& mot, bool dansExemples);

// The payload writer, for the data builder and fixtures.
std::vector<unsigned char> EcrireDictionnaire(const std::string& etiquette,
                                              const std::vector<Article>& articles);
