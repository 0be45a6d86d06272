#pragma once
// The excluded types and included details of the main window's check boxes,
// and the filters that hide senses, articles and list words of excluded types.
#include <map>
#include <string>
#include <vector>

#include "data/Article.h"

class DictionnairePrincipal;

using CarteOptions = std::map<std::string, bool>;

struct OptionsFiltre {
    CarteOptions TypesExclus;    // "villeshabitants", "vieilli", "argot"
    CarteOptions DetailsInclus;  // "flexions", "etymologie", "synonymes", "antonymes"
};

// False for a key that is absent.
bool OptionActive(const CarteOptions& options, const std::string& cle);

bool SensExclu(const Sens& sens, const CarteOptions& typesExclus);
bool ArticleExclu(const Article& article, const CarteOptions& typesExclus);
std::vector<Article> FiltrerArticles(const std::vector<Article>& articles, const CarteOptions& typesExclus);
// Looks each word up in the main dictionary; keeps those with a visible article.
std::vector<std::string> FiltrerMots(const std::vector<std::string>& mots, const CarteOptions& typesExclus);
// The same in a dictionary of the caller's.
std::vector<std::string> FiltrerMots(const DictionnairePrincipal& dictionnaire, const std::vector<std::string>& mots,
                                     const CarteOptions& typesExclus);
