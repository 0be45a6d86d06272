#include "tools/donnees/OrdreHomographes.h"

#include <algorithm>
#include <climits>
#include <set>
#include <string>
#include <vector>

namespace {

// Smaller comes first; INT_MAX for an article the dictionary does not
// confirm. `infinitifNomme`: the group holds a noun spelt like a verb it holds.
int Rang(const Article& article, const LectureHunspell& lecture, bool infinitifNomme) {
    const std::set<std::string> cles = CategoriesComparees(article.categorie);
    if (cles.empty() || !CategoriesConcordent(cles, lecture)) return INT_MAX;
    const auto& lues = lecture.categories;
    const auto nom = std::find(lues.begin(), lues.end(), CAT_NOM);
    if (infinitifNomme && cles.count(CAT_VERBE) && nom != lues.end()) return 2 * int(nom - lues.begin()) - 1;
    for (std::size_t k = 0; k < lues.size(); ++k)
        if (cles.count(lues[k])) return 2 * int(k);
    return 2 * int(lues.size());  // confirmed through a neighbouring category (a participle as an adjective)
}

bool InfinitifNomme(std::vector<Article>::const_iterator debut, std::vector<Article>::const_iterator fin) {
    bool nom = false, verbe = false;
    for (auto article = debut; article != fin; ++article) {
        const std::set<std::string> cles = CategoriesComparees(article->categorie);
        // "ADJECTIF ET NOM" (fier) is an adjective first, not a named infinitive.
        nom |= cles.count(CAT_NOM) && !cles.count(CAT_VERBE) && article->categorie.rfind(CAT_NOM, 0) == 0;
        verbe |= cles.count(CAT_VERBE) != 0;
    }
    return nom && verbe;
}

}  // namespace

void OrdonnerHomographes(std::vector<Article>& articles, const LecturesHunspell& lectures) {
    for (std::size_t debut = 0; debut < articles.size();) {
        std::size_t fin = debut + 1;
        while (fin < articles.size() && articles[fin].mot == articles[debut].mot) ++fin;
        const LectureHunspell* lecture = lectures.Lecture(articles[debut].mot);
        const auto premier = articles.begin() + std::ptrdiff_t(debut);
        const auto dernier = articles.begin() + std::ptrdiff_t(fin);
        if (lecture != nullptr && fin - debut > 1) {
            const bool infinitif = InfinitifNomme(premier, dernier);
            std::stable_sort(premier, dernier, [lecture, infinitif](const Article& a, const Article& b) {
                return Rang(a, *lecture, infinitif) < Rang(b, *lecture, infinitif);
            });
        }
        debut = fin;
    }
}
