#pragma once
// Small dictionaries written with the real payload writer and loaded in memory.
#include <map>
#include <string>
#include <vector>

#include "data/Article.h"

Article FaireArticle(const std::string& mot, const std::string& categorie,
                     const std::vector<std::string>& definitions, const std::map<std::string, std::string>& attributs = {});

// Sorts the articles in French order (stable), then loads them and the inflected-form index.
bool ChargerFixture(std::vector<Article> articles, const std::map<std::string, std::vector<std::string>>& flexions,
                    const std::string& etiquette = "essai 1");

// The fixture most flow tests use: a few real words with senses, examples,
// details, a verb, an inflected form, a hyphenated word, and enough filler
// words ("aa" .. "ez") that the list must be re-centred to reach both ends.
std::vector<Article> ArticlesEssai();
std::map<std::string, std::vector<std::string>> FlexionsEssai();
// The headwords of ArticlesEssai in dictionary order, once each.
std::vector<std::string> MotsEssaiOrdonnes();
