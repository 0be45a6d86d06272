#include "tools/donnees/CategoriesHunspell.h"

#include <map>
#include <set>
#include <string>

#include "tools/donnees/CategoriesLittre.h"
#include "tools/donnees/Hunspell.h"

namespace {

// The category line's words for a compared category.
std::string CategorieAffichee(const std::string& categorie) {
    if (categorie == CAT_PARTICIPE) return "PARTICIPE PASS\xC9";
    if (categorie == CAT_AFFIXE) return "PR\xC9\x46IXE";
    return categorie;
}

void PrendreCategorie(Article& article, const LectureHunspell& lecture) {
    article.categorie = CategorieAffichee(CategorieDeLecture(lecture));
    // What the Littré's abbreviation said of gender, number or construction
    // went with its category.
    article.attributs.erase(ATTRIBUT_GENRE);
    article.attributs.erase(ATTRIBUT_NOMBRE);
    article.attributs.erase(ATTRIBUT_EMPLOI);
    if (article.categorie == CAT_NOM && lecture.masculin != lecture.feminin)
        article.attributs[ATTRIBUT_GENRE] = lecture.masculin ? "masculin" : "f\xE9minin";
}

}  // namespace

BilanCategories CorrigerCategories(std::vector<Article>& articles, const LecturesHunspell& lectures) {
    BilanCategories bilan;
    std::map<std::string, std::size_t> articlesParMot;
    for (const Article& article : articles) ++articlesParMot[article.mot];
    for (Article& article : articles) {
        const LectureHunspell* lecture = lectures.Lecture(article.mot);
        if (lecture == nullptr || CategorieDeLecture(*lecture).empty()) continue;
        if (article.categorie.empty()) {
            PrendreCategorie(article, *lecture);
            ++bilan.ajoutees;
            continue;
        }
        // A headword with several articles may be a rare homograph the
        // dictionary does not list ("mon", the old particle of "ça mon").
        const std::set<std::string> cles = CategoriesComparees(article.categorie);
        if (!lecture->grammatical || articlesParMot[article.mot] != 1 || cles.empty() ||
            CategoriesConcordent(cles, *lecture))
            continue;
        PrendreCategorie(article, *lecture);
        ++bilan.corrigees;
    }
    return bilan;
}

bool ChargerLecturesHunspell(const std::string& fichierAff, const std::string& fichierDic,
                             LecturesHunspell& lectures) {
    DictionnaireHunspell hunspell;
    if (!hunspell.Charger(fichierAff, fichierDic)) return false;
    lectures.Ajouter(hunspell);
    return true;
}
