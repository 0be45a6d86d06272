#include "tools/donnees/Antonymes.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "tools/donnees/Flexions.h"

std::set<std::string> CategoriesAntonymes(const std::string& categorie) {
    std::set<std::string> cles;
    std::string mot;
    std::vector<std::string> mots;
    for (std::size_t i = 0; i <= categorie.size(); ++i) {
        if (i < categorie.size() && categorie[i] != ' ') {
            mot += categorie[i];
        } else if (!mot.empty()) {
            mots.push_back(CleCategorie(mot));
            mot.clear();
        }
    }
    for (const std::string& cle : mots) {
        if (cle == "PROPRE" || cle == "PREFIXE" || cle == "SUFFIXE") return {};
        if (cle == "PARTICIPE") cles.insert("ADJECTIF");
        else if (cle == "ADVERBIALE") cles.insert("ADVERBE");
        else if (cle == "PREPOSITIVE") cles.insert("PREPOSITION");
        else if (cle == "NOM" || cle == "ADJECTIF" || cle == "VERBE" || cle == "ADVERBE" || cle == "PRONOM" ||
                 cle == "PREPOSITION" || cle == "CONJONCTION" || cle == "INTERJECTION")
            cles.insert(cle);
    }
    return cles;
}

namespace {

using Cle = std::pair<std::string, std::string>;  // word, category

struct Placement {
    std::map<std::string, std::vector<std::size_t>> parMot;
    std::vector<std::set<std::string>> categories;  // of each article
    std::map<Cle, std::vector<std::string>> antonymes;

    bool ArticleDeCategorie(const std::string& mot, const std::string& categorie) const {
        const auto trouve = parMot.find(mot);
        if (trouve == parMot.end()) return false;
        for (std::size_t i : trouve->second)
            if (categories[i].count(categorie)) return true;
        return false;
    }
    void Ajouter(const std::string& mot, const std::string& antonyme, const std::string& categorie) {
        auto& liste = antonymes[{mot, categorie}];
        if (std::find(liste.begin(), liste.end(), antonyme) == liste.end()) liste.push_back(antonyme);
    }
};

// The pair in a fixed order, so that "noir / blanc" and "blanc / noir" meet.
std::pair<std::string, std::string> Ordonnee(const PaireAntonymes& paire) {
    return paire.premier < paire.second ? std::make_pair(paire.premier, paire.second)
                                        : std::make_pair(paire.second, paire.premier);
}

std::string Joindre(const std::vector<std::string>& mots) {
    std::string texte;
    for (const std::string& mot : mots) texte += (texte.empty() ? "" : ", ") + mot;
    return texte;
}

using ClePaire = std::tuple<std::string, std::string, std::string>;  // ordered words, category

// Keeps the pairs both of whose words have an article of the category, each
// once with all its sources; counts the others.
std::vector<PairePlacee> Retenir(Placement& p, const std::vector<PaireAntonymes>& paires, std::size_t& rejetees) {
    std::map<ClePaire, std::size_t> vues;  // pair -> its rank in the result
    std::set<ClePaire> refusees;
    std::vector<PairePlacee> retenues;
    for (const PaireAntonymes& paire : paires) {
        if (paire.premier == paire.second || paire.premier.empty() || paire.second.empty()) continue;
        const auto [a, b] = Ordonnee(paire);
        const ClePaire cle{a, b, paire.categorie};
        const auto deja = vues.find(cle);
        if (deja != vues.end()) {
            auto& sources = retenues[deja->second].sources;
            if (std::find(sources.begin(), sources.end(), paire.source) == sources.end())
                sources.push_back(paire.source);
            continue;
        }
        if (!p.ArticleDeCategorie(a, paire.categorie) || !p.ArticleDeCategorie(b, paire.categorie)) {
            refusees.insert(cle);
            continue;
        }
        vues[cle] = retenues.size();
        retenues.push_back({paire.premier, paire.second, paire.categorie, {paire.source}});
        p.Ajouter(paire.premier, paire.second, paire.categorie);
        p.Ajouter(paire.second, paire.premier, paire.categorie);
    }
    rejetees = refusees.size();
    return retenues;
}

// Each article lists the antonyms of every category it has, once each.
void Ecrire(std::vector<Article>& articles, const Placement& p) {
    for (std::size_t i = 0; i < articles.size(); ++i) {
        std::vector<std::string> mots;
        for (const std::string& categorie : p.categories[i]) {
            const auto trouve = p.antonymes.find({articles[i].mot, categorie});
            if (trouve == p.antonymes.end()) continue;
            for (const std::string& mot : trouve->second)
                if (std::find(mots.begin(), mots.end(), mot) == mots.end()) mots.push_back(mot);
        }
        if (mots.empty()) continue;
        Article& article = articles[i];
        article.antonymes += (article.antonymes.empty() ? "" : ", ") + Joindre(mots);
    }
}

}  // namespace

BilanAntonymes PlacerAntonymes(std::vector<Article>& articles, const std::vector<PaireAntonymes>& paires,
                               std::vector<PairePlacee>* placees) {
    Placement p;
    for (std::size_t i = 0; i < articles.size(); ++i) {
        p.parMot[articles[i].mot].push_back(i);
        p.categories.push_back(CategoriesAntonymes(articles[i].categorie));
    }
    BilanAntonymes bilan;
    std::vector<PairePlacee> retenues = Retenir(p, paires, bilan.pairesRejetees);
    Ecrire(articles, p);
    std::set<std::string> mots;
    for (const auto& [motCategorie, contraires] : p.antonymes) mots.insert(motCategorie.first);
    bilan.motsAvecAntonymes = mots.size();
    bilan.pairesPlacees = retenues.size();
    for (const PairePlacee& placee : retenues)
        for (const std::string& source : placee.sources) ++bilan.pairesParSource[source];
    if (placees) *placees = std::move(retenues);
    return bilan;
}

