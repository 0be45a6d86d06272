#pragma once
// One article per current French commune, from the national administrative
// register (communes and départements as JSON, UTF-8). The sense begins with
// "Commune française" so that the place-name filter hides exactly these.
#include <string>
#include <string_view>
#include <vector>

#include "data/Article.h"

inline constexpr const char* CategorieCommune = "NOM PROPRE";

// The texts of the two JSON files. False when either is not a JSON array;
// `articles` then receives nothing. Entries other than current communes
// (delegated or associated communes, municipal arrondissements) are skipped.
bool ArticlesCommunes(std::string_view jsonCommunes, std::string_view jsonDepartements,
                      std::vector<Article>& articles);

// The file forms; `fichierDepartements` empty: the "departements.json" that
// sits beside the communes file.
bool ChargerCommunes(const std::string& fichierCommunes, std::string fichierDepartements,
                     std::vector<Article>& articles);

// The register's version, from the package.json of the npm package whose
// data/ folder holds the communes file; empty when there is none.
std::string VersionRegistreCommunes(const std::string& fichierCommunes);
