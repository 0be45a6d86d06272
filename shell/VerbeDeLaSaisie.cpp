#include "shell/VerbeDeLaSaisie.h"

#include <optional>
#include <vector>

#include "data/Dictionnaire.h"
#include "data/IndexFlexions.h"
#include "shell/RenduArticle.h"

namespace {
bool AUnArticleVerbe(const std::string& mot) {
    if (mot.empty()) return false;
    std::vector<Article> articles = TrouverArticles(mot);
    if (articles.empty()) articles = TrouverArticlesSequentiel(mot);
    for (const Article& article : articles)
        if (EstVerbe(article)) return true;
    return false;
}
}  // namespace

std::string VerbeDeLaSaisie(const std::string& saisie, const std::string& motAffiche) {
    if (AUnArticleVerbe(saisie)) return saisie;
    if (const std::optional<std::vector<std::string>> lemmes = Lemmes(saisie))
        for (const std::string& lemme : *lemmes)
            if (AUnArticleVerbe(lemme)) return lemme;
    if (AUnArticleVerbe(motAffiche)) return motAffiche;
    return saisie;
}
