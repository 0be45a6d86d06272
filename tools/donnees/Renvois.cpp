#include "tools/donnees/Renvois.h"

#include <cstring>
#include <map>
#include <set>

#include "tools/donnees/CategoriesLittre.h"
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

std::string Genre(const Article& article) {
    const auto genre = article.attributs.find(ATTRIBUT_GENRE);
    return genre == article.attributs.end() ? "" : genre->second;
}

// Of the homographs a reference does not number, those of the referring
// article's category and gender, when there are some: "aulne", a masculine
// noun, sends to the tree, not to the feminine measure.
std::vector<std::size_t> Semblables(const std::vector<std::size_t>& homographes, const std::vector<Article>& articles,
                                    const Article& renvoi) {
    std::vector<std::size_t> semblables;
    for (std::size_t j : homographes)
        if (articles[j].categorie == renvoi.categorie && Genre(articles[j]) == Genre(renvoi)) semblables.push_back(j);
    return semblables.empty() || renvoi.categorie.empty() ? homographes : semblables;
}

}  // namespace

namespace {

std::string Cible(const std::string& definition, int& numero) {
    numero = 0;
    const std::string texte = SansMarqueurs(definition);
    for (const char* annonce : Annonces) {
        const std::size_t longueur = std::strlen(annonce);
        if (texte.compare(0, longueur, annonce) != 0) continue;
        std::size_t fin = longueur;
        while (fin < texte.size() && (LettreDeMot(texte[fin]) || texte[fin] == ' ')) ++fin;
        std::string cible = texte.substr(longueur, fin - longueur);
        // "Voy. SOFI 2." names the second article of SOFI.
        while (fin < texte.size() && texte[fin] >= '0' && texte[fin] <= '9' && numero < 100)
            numero = numero * 10 + (texte[fin++] - '0');
        if (texte.substr(fin) != "." || cible.empty()) return "";
        while (!cible.empty() && cible.back() == ' ') cible.pop_back();
        if (cible.empty() || cible.find(' ') != std::string::npos) return "";
        return EnMinuscules(cible);
    }
    return "";
}

}  // namespace

std::string CibleDuRenvoi(const std::string& definition) {
    int numero = 0;
    return Cible(definition, numero);
}

std::string RenvoiDeLArticle(const Article& article, int* numero) {
    std::string cible;
    int n = 0;
    std::size_t sens = 0;
    for (const Sens& s : article.sens) {
        if (s.definition.rfind("Prononciation. ", 0) == 0) continue;
        if (++sens > 1) return "";
        cible = Cible(s.definition, n);
    }
    if (cible == article.mot) return "";
    if (numero) *numero = n;
    return cible;
}

std::vector<RenvoiSuivi> PreparerRenvois(const std::vector<Article>& articles) {
    std::map<std::string, std::vector<std::size_t>> parVedette;
    for (std::size_t i = 0; i < articles.size(); ++i) parVedette[articles[i].mot].push_back(i);
    std::vector<RenvoiSuivi> renvois;
    for (const Article& article : articles) {
        int numero = 0;
        std::string cible = RenvoiDeLArticle(article, &numero);
        std::set<std::string> vus{article.mot};
        for (std::size_t pas = 0; !cible.empty() && pas < PAS_MAXIMUM && vus.insert(cible).second; ++pas) {
            const auto trouve = parVedette.find(cible);
            if (trouve == parVedette.end()) break;
            std::vector<std::size_t> homographes = trouve->second;
            if (numero > 0 && std::size_t(numero) <= homographes.size()) homographes = {homographes[numero - 1]};
            else homographes = Semblables(homographes, articles, article);
            RenvoiSuivi suivi{article, {}};
            std::string suivante;
            int numeroSuivant = 0;
            for (std::size_t j : homographes) {
                int n = 0;
                const std::string renvoi = RenvoiDeLArticle(articles[j], &n);
                if (!renvoi.empty()) {
                    if (suivante.empty()) suivante = renvoi, numeroSuivant = n;
                    continue;
                }
                if (articles[j].categorie == "VERBE" && article.categorie != "VERBE") continue;
                suivi.suivants.push_back(articles[j]);
                suivi.suivants.back().mot = article.mot;
            }
            if (!suivi.suivants.empty()) {
                renvois.push_back(std::move(suivi));
                break;
            }
            cible = suivante;
            numero = numeroSuivant;
        }
    }
    return renvois;
}

std::size_t PlacerRenvois(std::vector<Article>& articles, const std::vector<RenvoiSuivi>& renvois) {
    std::map<std::string, std::vector<const RenvoiSuivi*>> parVedette;
    for (const RenvoiSuivi& renvoi : renvois) parVedette[renvoi.renvoi.mot].push_back(&renvoi);
    std::vector<Article> complets;
    complets.reserve(articles.size());
    std::size_t places = 0;
    for (Article& article : articles) {
        const RenvoiSuivi* suivi = nullptr;
        const auto trouve = parVedette.find(article.mot);
        if (trouve != parVedette.end())
            for (const RenvoiSuivi*& candidat : trouve->second)
                if (candidat && candidat->renvoi == article) {
                    suivi = candidat;
                    candidat = nullptr;  // each once, should two articles be alike
                    break;
                }
        complets.push_back(std::move(article));
        if (!suivi) continue;
        complets.insert(complets.end(), suivi->suivants.begin(), suivi->suivants.end());
        ++places;
    }
    articles = std::move(complets);
    return places;
}
