#include "shell/tests/Fixture.h"

#include <algorithm>

#include "data/Dictionnaire.h"
#include "data/IndexFlexions.h"
#include "text/OrdreFrancais.h"

Article FaireArticle(const std::string& mot, const std::string& categorie,
                     const std::vector<std::string>& definitions, const std::map<std::string, std::string>& attributs) {
    Article a;
    a.mot = mot;
    a.categorie = categorie;
    a.attributs = attributs;
    for (const std::string& d : definitions) a.sens.push_back({d, {}});
    return a;
}

namespace {
void Trier(std::vector<Article>& articles) {
    std::stable_sort(articles.begin(), articles.end(),
                     [](const Article& a, const Article& b) { return MotSuperieur(b.mot, a.mot); });
}
}  // namespace

bool ChargerFixture(std::vector<Article> articles, const std::map<std::string, std::vector<std::string>>& flexions,
                    const std::string& etiquette) {
    Trier(articles);
    const std::vector<unsigned char> dictionnaire = EcrireDictionnaire(etiquette, articles);
    const std::vector<unsigned char> index = EcrireIndexFlexions(flexions);
    const bool d = ChargerDictionnaireDepuis(dictionnaire.data(), dictionnaire.size());
    const bool f = ChargerIndexFlexionsDepuis(index.data(), index.size());
    return d && f;
}

std::vector<Article> ArticlesEssai() {
    std::vector<Article> articles;
    Article maison = FaireArticle("maison", "NOM", {"B\xE2timent servant d'habitation.", "Famille (familier) et ses gens."},
                                  {{"genre", "f\xE9minin"}});
    maison.sens[0].exemples = {"Une maison de campagne.", "La maison est grande.", "Troisi\xE8me exemple."};
    maison.synonymes = "demeure, logis";
    maison.etymologie = "Du latin mansio.";
    maison.flexions = "maison, maisons";
    articles.push_back(maison);
    articles.push_back(FaireArticle("maison", "ADJECTIF", {"Fait \xE0 la maison (populaire)."}));
    Article aimer = FaireArticle("aimer", "VERBE", {"\xC9prouver de l'affection pour quelqu'un."});
    aimer.antonymes = "ha\xEFr";
    articles.push_back(aimer);
    articles.push_back(FaireArticle("chat", "NOM", {"Petit f\xE9lin domestique, voir porte-monnaie."}, {{"genre", "masculin"}}));
    articles.push_back(FaireArticle("porte", "NOM", {"Ouverture d'un mur."}));
    articles.push_back(FaireArticle("monnaie", "NOM", {"Pi\xE8" "ces et billets."}));
    articles.push_back(FaireArticle("porte-monnaie", "NOM", {"Petit sac o\xF9 l'on met la monnaie."}));
    articles.push_back(FaireArticle("Amiens", "NOM PROPRE", {"Commune fran\xE7" "aise de la Somme."}));
    articles.push_back(FaireArticle("pognon", "NOM", {"(argot) Argent."}));
    articles.push_back(FaireArticle("  zut ", "INTERJECTION", {"Marque le d\xE9pit."}));
    for (char a = 'a'; a <= 'e'; ++a)
        for (char b = 'a'; b <= 'z'; ++b)
            articles.push_back(FaireArticle(std::string{a, b}, "NOM", {std::string("Mot de remplissage ") + a + b + "."}));
    return articles;
}

std::map<std::string, std::vector<std::string>> FlexionsEssai() {
    return {{"maisons", {"maison"}}, {"aime", {"aimer"}}, {"chats", {"chat"}}};
}

std::vector<std::string> MotsEssaiOrdonnes() {
    std::vector<Article> articles = ArticlesEssai();
    std::stable_sort(articles.begin(), articles.end(),
                     [](const Article& a, const Article& b) { return MotSuperieur(b.mot, a.mot); });
    std::vector<std::string> mots;
    for (const Article& a : articles)
        if (mots.empty() || mots.back() != a.mot) mots.push_back(a.mot);
    return mots;
}
