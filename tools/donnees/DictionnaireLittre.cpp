#include "tools/donnees/DictionnaireLittre.h"

#include <zlib.h>

#include <algorithm>
#include <unordered_map>

#include "text/OrdreFrancais.h"
#include "tools/donnees/ArticleLittre.h"
#include "tools/donnees/LecteurStarDict.h"
#include "tools/donnees/NomsLittre.h"
#include "tools/donnees/Translitteration.h"

bool LireFichiersLittre(const SourcesLittre& sources, LittreLu& lu) {
    return LireIndexStarDict(sources.index, lu.index) && !lu.index.empty() &&
           LireArticlesStarDict(sources.articles, lu.contenu);
}

bool ConvertirLittre(const LittreLu& lu, std::vector<Article>& articles, Progression progression) {
    const std::vector<EntreeLittre> entrees = EntreesLittre(lu.index);
    articles.reserve(articles.size() + entrees.size());
    std::string corps;
    for (std::size_t i = 0; i < entrees.size(); ++i) {
        const EntreeStarDict position{"", entrees[i].decalage, entrees[i].taille};
        if (!ExtraireArticleStarDict(lu.contenu, position, corps)) return false;
        articles.push_back(ConvertirArticleLittre(SourceVersCp1252(corps), entrees[i]));
        if (progression != nullptr) progression(i + 1, entrees.size());
    }
    return true;
}

bool LireLittre(const SourcesLittre& sources, std::vector<Article>& articles, Progression progression) {
    LittreLu lu;
    return LireFichiersLittre(sources, lu) && ConvertirLittre(lu, articles, progression);
}

bool LireNomsPerdus(const SourcesLittre& sources, NomsPerdusLittre& perdus) {
    std::vector<EntreeStarDict> index;
    if (!LireIndexStarDict(sources.index, index) || index.empty()) return false;
    perdus = NomsPerdus(index);
    return true;
}

void TrierArticles(std::vector<Article>& articles) {
    std::stable_sort(articles.begin(), articles.end(), [](const Article& a, const Article& b) {
        return MotSuperieur(b.mot, a.mot);
    });
}

std::size_t PremiereRuptureOrdre(const std::vector<Article>& articles) {
    std::unordered_map<std::string, std::size_t> derniere;
    for (std::size_t i = 0; i < articles.size(); ++i) {
        if (i > 0 && MotSuperieur(articles[i - 1].mot, articles[i].mot)) return i;
        const auto [place, nouveau] = derniere.try_emplace(articles[i].mot, i);
        if (!nouveau && place->second != i - 1) return i;
        place->second = i;
    }
    return articles.size();
}

ComptesDictionnaire CompterArticles(const std::vector<Article>& articles) {
    ComptesDictionnaire comptes;
    comptes.articles = articles.size();
    for (std::size_t i = 0; i < articles.size(); ++i) {
        if (i == 0 || articles[i].mot != articles[i - 1].mot) ++comptes.motsDistincts;
        comptes.sens += articles[i].sens.size();
        for (const Sens& sens : articles[i].sens) comptes.exemples += sens.exemples.size();
    }
    return comptes;
}

std::string VersionPaquet(const std::string& paquet) {
    const std::string chemin = "/usr/share/doc/" + paquet + "/changelog.Debian.gz";
    gzFile fichier = gzopen(chemin.c_str(), "rb");
    if (fichier == nullptr) return "";
    char ligne[256] = {};
    const bool lue = gzgets(fichier, ligne, sizeof ligne) != nullptr;
    gzclose(fichier);
    if (!lue) return "";
    const std::string texte = ligne;
    const std::size_t ouvrante = texte.find('('), fermante = texte.find(')');
    if (ouvrante == std::string::npos || fermante == std::string::npos || fermante < ouvrante)
        return "";
    return texte.substr(ouvrante + 1, fermante - ouvrante - 1);
}
