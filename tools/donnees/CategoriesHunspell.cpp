#include "tools/donnees/CategoriesHunspell.h"

#include <algorithm>
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

bool FinitPar(const std::string& mot, const std::string& fin) {
    return mot.size() > fin.size() && mot.compare(mot.size() - fin.size(), fin.size(), fin) == 0;
}

// The transcription files some adverbs in -ment under "adj." ("(nè-te-man)
// adj."): no adjective ends so, and the dictionary knows them as adverbs.
bool AdverbeMalClasse(const Article& article, const LectureHunspell& lecture) {
    const auto& lues = lecture.categories;
    return article.categorie == "ADJECTIF" && FinitPar(article.mot, "ment") &&
           std::find(lues.begin(), lues.end(), CAT_ADVERBE) != lues.end();
}

bool AUnSeulGenre(const LectureHunspell& lecture) { return lecture.masculin != lecture.feminin; }

// Where the Littré's noun has the other gender than today's ("allumage"
// s. f. in the transcription), today's goes on the category line and the
// Littré's is said beside it. Only for a headword with one noun article: two
// nouns of different genders are different words ("aune", the tree and the
// measure).
bool CorrigerGenre(Article& article, const LectureHunspell& lecture) {
    const auto genre = article.attributs.find(ATTRIBUT_GENRE);
    if (genre == article.attributs.end() || !AUnSeulGenre(lecture)) return false;
    const std::string aujourdhui = lecture.masculin ? "masculin" : "f\xE9minin";
    if ((genre->second != "masculin" && genre->second != "f\xE9minin") || genre->second == aujourdhui) return false;
    std::string& remarque = article.attributs[ATTRIBUT_REMARQUE];
    remarque = genre->second + " dans le Littr\xE9" + (remarque.empty() ? "" : " ; " + remarque);
    genre->second = aujourdhui;
    return true;
}

}  // namespace

BilanCategories CorrigerCategories(std::vector<Article>& articles, const LecturesHunspell& lectures) {
    BilanCategories bilan;
    std::map<std::string, std::size_t> articlesParMot, nomsParMot;
    for (const Article& article : articles) {
        ++articlesParMot[article.mot];
        if (CategoriesComparees(article.categorie).count(CAT_NOM)) ++nomsParMot[article.mot];
    }
    for (Article& article : articles) {
        const LectureHunspell* lecture = lectures.Lecture(article.mot);
        if (lecture == nullptr || CategorieDeLecture(*lecture).empty()) continue;
        if (article.categorie.empty()) {
            PrendreCategorie(article, *lecture);
            ++bilan.ajoutees;
            continue;
        }
        if (AdverbeMalClasse(article, *lecture)) {
            article.categorie = CAT_ADVERBE;
            article.attributs.erase(ATTRIBUT_GENRE);
            ++bilan.corrigees;
            continue;
        }
        // A headword with several articles may be a rare homograph the
        // dictionary does not list ("mon", the old particle of "ça mon").
        const std::set<std::string> cles = CategoriesComparees(article.categorie);
        if (cles.count(CAT_NOM) && nomsParMot[article.mot] == 1 && CorrigerGenre(article, *lecture))
            ++bilan.genres;
        if (!lecture->grammatical || articlesParMot[article.mot] != 1 || cles.empty() ||
            CategoriesConcordent(cles, *lecture))
            continue;
        PrendreCategorie(article, *lecture);
        ++bilan.corrigees;
    }
    return bilan;
}
