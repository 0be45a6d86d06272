#include "rendu/OptionsFiltre.h"

#include <algorithm>

#include "data/Dictionnaire.h"

namespace {
// Case-sensitive markers, matched as byte substrings of the definition.
const char* const MARQUES_ARGOT[] = {"(populaire)", "(Populaire)", "(vulgaire)", "(Vulgaire)",
                                     "(familier)",  "(Familier)",  "(argot)",    "(Argot)"};
const char* const MARQUES_VIEILLI[] = {"(vieilli)",       "(Vieilli)", "(vieux)",      "(rare)",
                                       "(Rare)",          "(d\xE9suet)", "(D\xE9suet)", "(archa\xEFque)",
                                       "(Archa\xEFque)"};
const char* const MARQUES_VILLES[] = {"Commune fran\xE7" "aise", "commune fran\xE7" "aise", "Commune de France",
                                      "Ville de France", "Habitant de la commune d"};

template <std::size_t N>
bool ContientUneMarque(const std::string& texte, const char* const (&marques)[N]) {
    return std::any_of(std::begin(marques), std::end(marques),
                       [&](const char* m) { return texte.find(m) != std::string::npos; });
}
}  // namespace

bool OptionActive(const CarteOptions& options, const std::string& cle) {
    auto trouve = options.find(cle);
    return trouve != options.end() && trouve->second;
}

bool SensExclu(const Sens& sens, const CarteOptions& typesExclus) {
    if (typesExclus.empty()) return false;
    const std::string& d = sens.definition;
    if (OptionActive(typesExclus, "argot") && ContientUneMarque(d, MARQUES_ARGOT)) return true;
    if (OptionActive(typesExclus, "vieilli") && ContientUneMarque(d, MARQUES_VIEILLI)) return true;
    if (OptionActive(typesExclus, "villeshabitants") && ContientUneMarque(d, MARQUES_VILLES)) return true;
    return false;
}

bool ArticleExclu(const Article& article, const CarteOptions& typesExclus) {
    if (article.sens.empty()) return false;
    return std::all_of(article.sens.begin(), article.sens.end(),
                       [&](const Sens& s) { return SensExclu(s, typesExclus); });
}

std::vector<Article> FiltrerArticles(const std::vector<Article>& articles, const CarteOptions& typesExclus) {
    if (typesExclus.empty()) return articles;
    std::vector<Article> gardes;
    for (const Article& a : articles)
        if (!ArticleExclu(a, typesExclus)) gardes.push_back(a);
    return gardes;
}

std::vector<std::string> FiltrerMots(const std::vector<std::string>& mots, const CarteOptions& typesExclus) {
    return FiltrerMots(DictionnaireCourant(), mots, typesExclus);
}

std::vector<std::string> FiltrerMots(const DictionnairePrincipal& dictionnaire, const std::vector<std::string>& mots,
                                     const CarteOptions& typesExclus) {
    if (typesExclus.empty()) return mots;
    std::vector<std::string> gardes;
    for (const std::string& mot : mots) {
        const std::vector<Article> articles = dictionnaire.TrouverArticles(mot);
        const bool visible = std::any_of(articles.begin(), articles.end(),
                                         [&](const Article& a) { return !ArticleExclu(a, typesExclus); });
        if (visible) gardes.push_back(mot);
    }
    return gardes;
}
