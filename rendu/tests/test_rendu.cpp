#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rendu/OptionsFiltre.h"
#include "rendu/RenduArticle.h"
#include "shell/tests/Fixture.h"

namespace {

const CarteOptions AUCUN_DETAIL;
const CarteOptions AUCUN_TYPE;

CarteOptions Types(bool villes, bool vieilli, bool argot) {
    return {{"villeshabitants", villes}, {"vieilli", vieilli}, {"argot", argot}};
}

CarteOptions Details(bool flexions, bool etymologie, bool synonymes, bool antonymes) {
    return {{"flexions", flexions}, {"etymologie", etymologie}, {"synonymes", synonymes}, {"antonymes", antonymes}};
}

Sens FaireSens(const std::string& definition, std::vector<std::string> exemples = {}) {
    return {definition, std::move(exemples)};
}

TEST(RendreArticle, CategorieAttributsSensEtExemple) {
    Article a = FaireArticle("chat", "NOM", {}, {{"genre", "masculin"}});
    a.sens = {FaireSens("Animal domestique.", {"Le chat dort."})};
    EXPECT_EQ(RendreArticle(a, AUCUN_DETAIL, AUCUN_TYPE), "NOM masculin \n\n- Animal domestique.\n\tex. : Le chat dort.\n");
}

TEST(RendreArticle, AttributsDansLOrdreDesClesEtLaCleTestNeDonneQuUnEspace) {
    Article a = FaireArticle("x", "VERBE", {}, {{"b", "transitif"}, {"TEST", "cach\xE9"}, {"a", "1er groupe"}});
    // Byte order of the keys: "TEST" < "a" < "b".
    EXPECT_EQ(RendreArticle(a, AUCUN_DETAIL, AUCUN_TYPE), "VERBE  1er groupe transitif \n\n");
}

TEST(RendreArticle, DeuxExemplesAuPlusParSens) {
    Article a = FaireArticle("x", "NOM", {});
    a.sens = {FaireSens("D.", {"un", "deux", "trois"})};
    EXPECT_EQ(RendreArticle(a, AUCUN_DETAIL, AUCUN_TYPE), "NOM \n\n- D.\n\tex. : un\n\tex. : deux\n");
}

TEST(RendreArticle, LesDetailsCochesSeRangentAutourDesSensSansSautFinal) {
    Article a = FaireArticle("x", "NOM", {"S1.", "S2."});
    a.etymologie = "latin";
    a.flexions = "x, xs";
    a.synonymes = "y";
    a.antonymes = "z";
    EXPECT_EQ(RendreArticle(a, Details(true, true, true, true), AUCUN_TYPE),
              "ETYMOLOGIE: latin\n\nNOM \n\nx, xs\n\n- S1.\n\n- S2.\n\nSYNONYMES:\ny\nANTONYMES:\nz");
    EXPECT_EQ(RendreArticle(a, Details(false, false, true, false), AUCUN_TYPE), "NOM \n\n- S1.\n\n- S2.\n\nSYNONYMES:\ny");
    EXPECT_EQ(RendreArticle(a, Details(true, true, false, false), AUCUN_TYPE),
              "ETYMOLOGIE: latin\n\nNOM \n\nx, xs\n\n- S1.\n\n- S2.\n");
    Article vide = FaireArticle("x", "NOM", {"S."});
    EXPECT_EQ(RendreArticle(vide, Details(true, true, true, true), AUCUN_TYPE), "NOM \n\n- S.\n");
}

TEST(RendreArticle, UnSensExcluDisparaitAvecSesExemplesEtSonEcart) {
    Article a = FaireArticle("x", "NOM", {});
    a.sens = {FaireSens("Un."), FaireSens("Deux (familier).", {"ex2"}), FaireSens("Trois.")};
    EXPECT_EQ(RendreArticle(a, AUCUN_DETAIL, Types(false, false, true)), "NOM \n\n- Un.\n\n- Trois.\n");
    // The last sense hidden: the gap after the one before it stays.
    a.sens.pop_back();
    EXPECT_EQ(RendreArticle(a, AUCUN_DETAIL, Types(false, false, true)), "NOM \n\n- Un.\n\n");
    EXPECT_EQ(RendreArticle(a, AUCUN_DETAIL, Types(false, false, false)),
              "NOM \n\n- Un.\n\n- Deux (familier).\n\tex. : ex2\n");
}

TEST(TexteDuMot, DeuxArticlesSeparesParUnSautPuisFinsDeLigneCRLF) {
    Article nom = FaireArticle("aimer", "NOM", {"Un.", "Deux."});
    Article verbe = FaireArticle("aimer", "VERBE", {"Tr."});
    const TexteRendu rendu = TexteDuMot({nom, verbe}, {Types(false, false, false), Details(false, false, false, false)});
    EXPECT_EQ(rendu.texte, "NOM \r\n\r\n- Un.\r\n\r\n- Deux.\r\n\r\nVERBE \r\n\r\n- Tr.\r\n");
    EXPECT_TRUE(rendu.verbe);
    EXPECT_FALSE(TexteDuMot({nom}, {}).verbe);
    EXPECT_EQ(TexteDuMot({}, {}).texte, "");
}

TEST(EstVerbe, SeulementLaCategorieExacte) {
    EXPECT_TRUE(EstVerbe(FaireArticle("x", "VERBE", {})));
    EXPECT_FALSE(EstVerbe(FaireArticle("x", "verbe", {})));
    EXPECT_FALSE(EstVerbe(FaireArticle("x", "VERBE PRONOMINAL", {})));
}

struct CasMarque {
    const char* definition;
    CarteOptions types;
    bool exclu;
};

TEST(SensExclu, MarquesSensiblesALaCasseParType) {
    const CasMarque cas[] = {
        {"Argent (familier).", Types(false, false, true), true},
        {"Argent (Familier).", Types(false, false, true), true},
        {"Argent (FAMILIER).", Types(false, false, true), false},
        {"Argent familier.", Types(false, false, true), false},
        {"(Vulgaire) mot", Types(false, false, true), true},
        {"(argot) Argent.", Types(false, true, false), false},
        {"Usage (d\xE9suet).", Types(false, true, false), true},
        {"Usage (Archa\xEFque).", Types(false, true, false), true},
        {"Usage (vieux).", Types(false, true, false), true},
        {"Usage (Vieux).", Types(false, true, false), false},
        {"Commune fran\xE7" "aise de la Somme.", Types(true, false, false), true},
        {"Habitant de la commune d'Amiens.", Types(true, false, false), true},
        {"Commune fran\xE7" "aise de la Somme.", Types(false, true, true), false},
        {"Argent (familier).", AUCUN_TYPE, false},
        {"Argent (familier).", CarteOptions{{"vieilli", true}}, false},  // "argot" absent reads as false
    };
    for (const CasMarque& c : cas)
        EXPECT_EQ(SensExclu(FaireSens(c.definition), c.types), c.exclu) << c.definition;
}

TEST(SensExclu, LesExemplesNeSontJamaisTestes) {
    EXPECT_FALSE(SensExclu(FaireSens("Argent.", {"(familier)"}), Types(true, true, true)));
}

TEST(ArticleExclu, SeulementQuandTousSesSensLeSont) {
    const CarteOptions argot = Types(false, false, true);
    EXPECT_FALSE(ArticleExclu(FaireArticle("x", "NOM", {}), argot));
    EXPECT_TRUE(ArticleExclu(FaireArticle("x", "NOM", {"(argot) a", "(familier) b"}), argot));
    EXPECT_FALSE(ArticleExclu(FaireArticle("x", "NOM", {"(argot) a", "b"}), argot));
}

TEST(FiltrerArticles, OteLesArticlesExclusEnGardantLOrdre) {
    const std::vector<Article> articles = {FaireArticle("a", "NOM", {"un"}), FaireArticle("b", "NOM", {"(argot) deux"}),
                                           FaireArticle("c", "NOM", {"trois"})};
    const std::vector<Article> restes = FiltrerArticles(articles, Types(false, false, true));
    ASSERT_EQ(restes.size(), 2u);
    EXPECT_EQ(restes[0].mot, "a");
    EXPECT_EQ(restes[1].mot, "c");
    EXPECT_EQ(FiltrerArticles(articles, AUCUN_TYPE).size(), 3u);
}

class FiltrerMotsDansLeDictionnaire : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ChargerFixture(ArticlesEssai(), FlexionsEssai())); }
};

TEST_F(FiltrerMotsDansLeDictionnaire, GardeOrdreEtRepetitionsEtOteLesMotsSansArticleVisible) {
    const std::vector<std::string> mots = {"pognon", "maison", "inconnu", "chat", "maison", "maisons"};
    EXPECT_EQ(FiltrerMots(mots, Types(false, false, false)),
              (std::vector<std::string>{"pognon", "maison", "chat", "maison"}));
    // "maison" keeps a visible article: the noun has a sense without a marker.
    EXPECT_EQ(FiltrerMots(mots, Types(false, false, true)), (std::vector<std::string>{"maison", "chat", "maison"}));
    EXPECT_EQ(FiltrerMots(mots, AUCUN_TYPE), mots);
}

}  // namespace
