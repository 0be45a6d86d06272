#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/donnees/CategoriesLittre.h"
#include "tools/donnees/Renvois.h"

namespace {

Article Faire(const std::string& mot, const std::string& categorie, const std::vector<std::string>& definitions) {
    Article article;
    article.mot = mot;
    article.categorie = categorie;
    for (const std::string& definition : definitions) article.sens.push_back(Sens{definition, {}});
    return article;
}

std::vector<std::string> Resume(const std::vector<Article>& articles) {
    std::vector<std::string> lignes;
    for (const Article& article : articles)
        lignes.push_back(article.mot + " | " + (article.sens.empty() ? "" : article.sens[0].definition));
    return lignes;
}

}  // namespace

TEST(Renvois, CibleDUneDefinitionQuiNeFaitQueRenvoyer) {
    const struct {
        const char* definition;
        const char* cible;
    } cas[] = {
        {"Voy. VIEIL.", "vieil"},
        {"Le m\xEAme que corbillat.", "corbillat"},
        {"Voyez C\x8CUR.", "c\x9Cur"},
        {"Voy. SOFI 2.", "sofi"},
        {"(vieilli) Voy. ABC.", "abc"},
        {"Voy. ENTR'OUVRIR.", "entr'ouvrir"},
        // A reference among other words is part of a definition, not a dead end.
        {"Voy. MAISON et MANOIR.", ""},
        {"Qui est vieux. Voy. VIEIL.", ""},
        {"Voy. ce mot au Suppl\xE9ment.", ""},
        {"Le m\xEAme que.", ""},
    };
    for (const auto& c : cas) EXPECT_EQ(CibleDuRenvoi(c.definition), c.cible) << c.definition;
    EXPECT_EQ(RenvoiDeLArticle(Faire("vieux", "", {"Voy. VIEIL.", "Prononciation. Vieu."})), "vieil");
    EXPECT_EQ(RenvoiDeLArticle(Faire("vieux", "", {"Voy. VIEIL.", "Autre sens."})), "");
    EXPECT_EQ(RenvoiDeLArticle(Faire("vieil", "", {"Voy. VIEIL."})), "");
}

TEST(Renvois, LArticleQuiRenvoieMontreLesArticlesDeSaCible) {
    std::vector<Article> articles = {
        Faire("corbillat", "NOM", {"Petit du corbeau."}),
        Faire("corbillot", "NOM", {"Le m\xEAme que corbillat."}),
        Faire("vieil", "ADJECTIF ET NOM", {"Qui a beaucoup d'\xE2ge."}),
        Faire("vieil", "NOM", {"Un vieillard."}),
        Faire("vieillot", "ADJECTIF", {"Voy. VIEUX."}),  // a chain: vieux only sends on
        Faire("vieux", "ADJECTIF", {"Voy. VIEIL."}),
        Faire("zinc", "NOM", {"Voy. INCONNU."}),  // nothing to show: left as it is
    };
    EXPECT_EQ(PlacerRenvois(articles, PreparerRenvois(articles)), 3u);
    EXPECT_EQ(Resume(articles), (std::vector<std::string>{
                                    "corbillat | Petit du corbeau.",
                                    "corbillot | Le m\xEAme que corbillat.",
                                    "corbillot | Petit du corbeau.",
                                    "vieil | Qui a beaucoup d'\xE2ge.",
                                    "vieil | Un vieillard.",
                                    "vieillot | Voy. VIEUX.",
                                    "vieillot | Qui a beaucoup d'\xE2ge.",
                                    "vieillot | Un vieillard.",
                                    "vieux | Voy. VIEIL.",
                                    "vieux | Qui a beaucoup d'\xE2ge.",
                                    "vieux | Un vieillard.",
                                    "zinc | Voy. INCONNU.",
                                }));
    EXPECT_EQ(articles[10].categorie, "NOM");
    // A verb's article follows a verb's reference only.
    std::vector<Article> verbes = {Faire("asseoir", "VERBE", {"Placer sur un si\xE8ge."}),
                                   Faire("assied", "", {"Voy. ASSEOIR."}),
                                   Faire("rasseoir", "VERBE", {"Voy. ASSEOIR."})};
    EXPECT_EQ(PlacerRenvois(verbes, PreparerRenvois(verbes)), 1u);
    EXPECT_EQ(Resume(verbes), (std::vector<std::string>{"asseoir | Placer sur un si\xE8ge.", "assied | Voy. ASSEOIR.",
                                                         "rasseoir | Voy. ASSEOIR.",
                                                         "rasseoir | Placer sur un si\xE8ge."}));
    // A numbered reference leads to that homograph in the Littré's order,
    // wherever the final order puts it; its copy follows its reference.
    std::vector<Article> aunes = {Faire("aulne", "NOM", {"Voy. AUNE 2."}), Faire("aune", "NOM", {"Mesure."}),
                                  Faire("aune", "NOM", {"Arbre."})};
    const std::vector<RenvoiSuivi> prepares = PreparerRenvois(aunes);
    std::swap(aunes[1], aunes[2]);
    std::swap(aunes[0], aunes[1]);  // any order the homographs end in
    EXPECT_EQ(PlacerRenvois(aunes, prepares), 1u);
    EXPECT_EQ(Resume(aunes), (std::vector<std::string>{"aune | Arbre.", "aulne | Voy. AUNE 2.", "aulne | Arbre.",
                                                        "aune | Mesure."}));
    // Unnumbered, it leads to the homographs of its own category and gender when there are some.
    std::vector<Article> genres = {Faire("aulne", "NOM", {"Voy. AUNE."}), Faire("aune", "NOM", {"Mesure."}),
                                   Faire("aune", "NOM", {"Arbre."}), Faire("aune", "VERBE", {"Mesurer."})};
    genres[0].attributs[ATTRIBUT_GENRE] = genres[2].attributs[ATTRIBUT_GENRE] = "masculin";
    genres[1].attributs[ATTRIBUT_GENRE] = "f\xE9minin";
    EXPECT_EQ(PlacerRenvois(genres, PreparerRenvois(genres)), 1u);
    EXPECT_EQ(Resume(genres)[1], "aulne | Arbre.");
    EXPECT_EQ(genres.size(), 5u);
    // Two articles that send to each other go nowhere and stay as they are.
    std::vector<Article> boucle = {Faire("aa", "", {"Voy. BB."}), Faire("bb", "", {"Voy. AA."})};
    EXPECT_EQ(PlacerRenvois(boucle, PreparerRenvois(boucle)), 0u);
    EXPECT_EQ(boucle.size(), 2u);
}
