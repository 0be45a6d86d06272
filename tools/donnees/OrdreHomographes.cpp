#include "tools/donnees/OrdreHomographes.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

enum Rang { Grammatical, InfinitifVerbe, Confirme, PronominalSeul, Inconnu };

bool ConcordeAvec(const std::set<std::string>& cles, const std::string& categorie) {
    LectureHunspell une;
    une.categories = {categorie};
    return CategoriesConcordent(cles, une);
}

// `infinitifNomme`: the group holds a noun spelt like a verb it holds.
Rang RangDe(const Article& article, const LectureHunspell& lecture, bool infinitifNomme) {
    const std::set<std::string> cles = CategoriesComparees(article.categorie);
    if (cles.empty() || !CategoriesConcordent(cles, lecture)) return Inconnu;
    for (const std::string& categorie : lecture.grammaticales)
        if (ConcordeAvec(cles, categorie)) return Grammatical;
    const bool verbe = cles.count(CAT_VERBE) != 0;
    if (verbe && lecture.PronominalSeulement() && cles.size() == 1) return PronominalSeul;
    if (verbe && infinitifNomme) return InfinitifVerbe;
    return Confirme;
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
                return RangDe(a, *lecture, infinitif) < RangDe(b, *lecture, infinitif);
            });
        }
        debut = fin;
    }
}
