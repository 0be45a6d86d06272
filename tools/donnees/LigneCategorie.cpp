#include "tools/donnees/LigneCategorie.h"

#include <algorithm>
#include <set>

#include "tools/donnees/CategoriesLittre.h"

namespace {

bool CategorieSimple(const std::string& mot) {
    static const std::set<std::string> simples = {CAT_NOM,         CAT_ADJECTIF,   CAT_ADVERBE,
                                                  CAT_PRONOM,      CAT_PREPOSITION, CAT_CONJONCTION,
                                                  CAT_INTERJECTION};
    return simples.count(mot) != 0;
}

bool Confirmee(const std::string& partie, const LectureHunspell& lecture) {
    const std::set<std::string> cles = CategoriesComparees(partie);
    return !cles.empty() && CategoriesConcordent(cles, lecture);
}

bool QueDesSignes(const std::string& texte) {
    return std::none_of(texte.begin(), texte.end(), [](char c) {
        const unsigned char o = static_cast<unsigned char>(c);
        return (o >= 'a' && o <= 'z') || (o >= 'A' && o <= 'Z') || (o >= '0' && o <= '9') || o >= 0xC0;
    });
}

}  // namespace

std::vector<std::string> PartiesCategorie(const std::string& categorie) {
    std::vector<std::string> parties;
    std::size_t debut = 0;
    while (debut <= categorie.size()) {
        std::size_t fin = categorie.size(), saut = 0;
        for (const char* separateur : {", ", " ET "}) {
            const std::size_t trouve = categorie.find(separateur, debut);
            if (trouve != std::string::npos && trouve < fin) {
                fin = trouve;
                saut = std::char_traits<char>::length(separateur);
            }
        }
        const std::string partie = categorie.substr(debut, fin - debut);
        if (!CategorieSimple(partie)) return {};
        parties.push_back(partie);
        if (saut == 0) break;
        debut = fin + saut;
    }
    return parties;
}

std::string JoindreCategorie(const std::vector<std::string>& parties) {
    std::string ligne;
    for (std::size_t k = 0; k < parties.size(); ++k) {
        if (k > 0) ligne += k + 1 == parties.size() ? " ET " : ", ";
        ligne += parties[k];
    }
    return ligne;
}

std::string CategorieOrdonnee(const std::string& categorie, const LectureHunspell& lecture,
                              const EmploisLittre* emplois) {
    const std::vector<std::string> parties = PartiesCategorie(categorie);
    if (parties.size() < 2 || Confirmee(parties.front(), lecture)) return categorie;
    std::vector<std::string> confirmees, autres;
    for (const std::string& partie : parties) (Confirmee(partie, lecture) ? confirmees : autres).push_back(partie);
    if (confirmees.empty()) return categorie;
    // Between a noun and invariable words, the noun first when the text uses
    // the word mostly after a determiner; other readings keep their order.
    const bool decidable = std::all_of(confirmees.begin(), confirmees.end(),
                                       [](const std::string& p) { return EmploiDe(p) != Emploi::Autre; });
    if (decidable) {
        const bool nomDAbord = emplois != nullptr && emplois->nominaux > emplois->autres;
        std::stable_partition(confirmees.begin(), confirmees.end(),
                              [nomDAbord](const std::string& p) { return (p == CAT_NOM) == nomDAbord; });
    }
    confirmees.insert(confirmees.end(), autres.begin(), autres.end());
    return JoindreCategorie(confirmees);
}

bool FragmentDeCategorie(const std::string& categorie, const std::string& remarque) {
    if (remarque.empty()) return false;
    if (QueDesSignes(remarque)) return true;
    // "adv. de temps", "adv. de lieu": a kind of adverb, one word after "de".
    if (categorie.rfind(CAT_ADVERBE, 0) != 0 || remarque.rfind("de ", 0) != 0) return false;
    const std::string reste = remarque.substr(3);
    return !reste.empty() && reste.find_first_of(" .,;:()") == std::string::npos;
}

BilanLignesCategorie OrdonnerLignesCategorie(std::vector<Article>& articles, const LecturesHunspell& lectures,
                                             const EmploisParMot& emplois) {
    BilanLignesCategorie bilan;
    for (Article& article : articles) {
        const auto remarque = article.attributs.find(ATTRIBUT_REMARQUE);
        if (remarque != article.attributs.end() && FragmentDeCategorie(article.categorie, remarque->second)) {
            article.attributs.erase(remarque);
            ++bilan.fragments;
        }
        const LectureHunspell* lecture = lectures.Lecture(article.mot);
        if (lecture == nullptr) continue;
        const auto trouve = emplois.find(article.mot);
        const std::string ordonnee =
            CategorieOrdonnee(article.categorie, *lecture, trouve == emplois.end() ? nullptr : &trouve->second);
        if (ordonnee != article.categorie) {
            article.categorie = ordonnee;
            ++bilan.reordonnees;
        }
    }
    return bilan;
}
