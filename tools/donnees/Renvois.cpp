#include "tools/donnees/Renvois.h"

#include <cstring>
#include <map>
#include <set>

#include "tools/donnees/TexteLittre.h"

namespace {

constexpr const char* Annonces[] = {"Voy. ", "Voyez ", "Le m\xEAme que ", "La m\xEAme chose que ",
                                    "M\xEAme sens que "};

bool LettreDeMot(char c) { return EstMinusculeCp1252(c) || EstMajusculeCp1252(c) || c == '-' || c == '\''; }

std::string SansMarqueurs(std::string texte) {
    // "(vieilli) Voy. ..." : the markers say how the word is used, not where it leads.
    while (texte.size() > 2 && texte[0] == '(') {
        const std::size_t fin = texte.find(") ");
        if (fin == std::string::npos) break;
        texte.erase(0, fin + 2);
    }
    return texte;
}

constexpr std::size_t PAS_MAXIMUM = 3;

}  // namespace

std::string CibleDuRenvoi(const std::string& definition) {
    const std::string texte = SansMarqueurs(definition);
    for (const char* annonce : Annonces) {
        const std::size_t longueur = std::strlen(annonce);
        if (texte.compare(0, longueur, annonce) != 0) continue;
        std::size_t fin = longueur;
        while (fin < texte.size() && (LettreDeMot(texte[fin]) || texte[fin] == ' ')) ++fin;
        std::string cible = texte.substr(longueur, fin - longueur);
        // "Voy. SOFI 2." names the second article of SOFI: the headword is enough.
        while (fin < texte.size() && (texte[fin] == ' ' || (texte[fin] >= '0' && texte[fin] <= '9'))) ++fin;
        if (texte.substr(fin) != "." || cible.empty()) return "";
        while (!cible.empty() && cible.back() == ' ') cible.pop_back();
        if (cible.empty() || cible.find(' ') != std::string::npos) return "";
        return EnMinuscules(cible);
    }
    return "";
}

std::string RenvoiDeLArticle(const Article& article) {
    std::string cible;
    std::size_t sens = 0;
    for (const Sens& s : article.sens) {
        if (s.definition.rfind("Prononciation. ", 0) == 0) continue;
        if (++sens > 1) return "";
        cible = CibleDuRenvoi(s.definition);
    }
    return cible == article.mot ? "" : cible;
}

std::size_t SuivreRenvois(std::vector<Article>& articles) {
    std::map<std::string, std::vector<std::size_t>> parVedette;
    for (std::size_t i = 0; i < articles.size(); ++i) parVedette[articles[i].mot].push_back(i);
    std::vector<Article> complets;
    complets.reserve(articles.size());
    std::size_t completes = 0;
    for (std::size_t i = 0; i < articles.size(); ++i) {
        complets.push_back(articles[i]);
        std::string cible = RenvoiDeLArticle(articles[i]);
        std::set<std::string> vus{articles[i].mot};
        for (std::size_t pas = 0; !cible.empty() && pas < PAS_MAXIMUM && vus.insert(cible).second; ++pas) {
            const auto trouve = parVedette.find(cible);
            if (trouve == parVedette.end()) break;
            std::string suivante;
            bool ajoute = false;
            for (std::size_t j : trouve->second) {
                const std::string renvoi = RenvoiDeLArticle(articles[j]);
                if (!renvoi.empty()) {
                    if (suivante.empty()) suivante = renvoi;
                    continue;
                }
                Article copie = articles[j];
                copie.mot = articles[i].mot;
                complets.push_back(std::move(copie));
                ajoute = true;
            }
            if (ajoute) {
                ++completes;
                break;
            }
            cible = suivante;
        }
    }
    articles = std::move(complets);
    return completes;
}
