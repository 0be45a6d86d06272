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

// How often the text uses the word as this article's reading. The count
// tells a noun from an invariable word only: another reading (an adjective
// the thesaurus alone gives) comes after both.
std::uint32_t Usage(const Article& article, const EmploisLittre* emplois) {
    if (emplois == nullptr) return 0;
    switch (EmploiDe(article.categorie)) {
        case Emploi::Nom: return emplois->nominaux;
        case Emploi::Invariable: return emplois->autres;
        default: return 0;
    }
}

// The uses order a group only when it has an article that opens with a noun
// and one that opens with an invariable word.
bool EmploisDecident(std::vector<Article>::const_iterator debut, std::vector<Article>::const_iterator fin) {
    bool nom = false, invariable = false;
    for (auto article = debut; article != fin; ++article) {
        const Emploi emploi = EmploiDe(article->categorie);
        nom |= emploi == Emploi::Nom;
        invariable |= emploi == Emploi::Invariable;
    }
    return nom && invariable;
}

}  // namespace

Emploi EmploiDe(const std::string& categorie) {
    const std::string premier = categorie.substr(0, categorie.find_first_of(" ,"));
    if (premier == CAT_NOM) return Emploi::Nom;
    static const std::set<std::string> invariables = {CAT_ADVERBE, CAT_PREPOSITION, CAT_CONJONCTION,
                                                      CAT_INTERJECTION, CAT_PRONOM};
    return invariables.count(premier) ? Emploi::Invariable : Emploi::Autre;
}

std::unordered_set<std::string> MotsAEmploisPartages(const std::vector<Article>& articles) {
    std::unordered_map<std::string, unsigned> lectures;  // headword -> 1 noun, 2 invariable, 3 both
    for (const Article& article : articles) {
        const std::set<std::string> cles = CategoriesComparees(article.categorie);
        unsigned& vu = lectures[article.mot];
        for (const std::string& cle : cles) {
            const Emploi emploi = EmploiDe(cle);
            vu |= emploi == Emploi::Nom ? 1u : emploi == Emploi::Invariable ? 2u : 0u;
        }
    }
    std::unordered_set<std::string> mots;
    for (const auto& [mot, vu] : lectures)
        if (vu == 3) mots.insert(mot);
    return mots;
}

void OrdonnerHomographes(std::vector<Article>& articles, const LecturesHunspell& lectures,
                         const EmploisParMot& emplois) {
    for (std::size_t debut = 0; debut < articles.size();) {
        std::size_t fin = debut + 1;
        while (fin < articles.size() && articles[fin].mot == articles[debut].mot) ++fin;
        const LectureHunspell* lecture = lectures.Lecture(articles[debut].mot);
        const auto premier = articles.begin() + std::ptrdiff_t(debut);
        const auto dernier = articles.begin() + std::ptrdiff_t(fin);
        if (lecture != nullptr && fin - debut > 1) {
            const bool infinitif = InfinitifNomme(premier, dernier);
            const auto trouve = emplois.find(articles[debut].mot);
            const EmploisLittre* usages =
                trouve == emplois.end() || !EmploisDecident(premier, dernier) ? nullptr : &trouve->second;
            std::stable_sort(premier, dernier, [&](const Article& a, const Article& b) {
                const Rang rangA = RangDe(a, *lecture, infinitif), rangB = RangDe(b, *lecture, infinitif);
                if (rangA != rangB) return rangA < rangB;
                return Usage(a, usages) > Usage(b, usages);
            });
        }
        debut = fin;
    }
}
