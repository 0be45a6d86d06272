#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "data/Dictionnaire.h"
#include "data/FluxBalise.h"
#include "data/IndexFlexions.h"
#include "data/tests/ContenuEssais.h"
#include "text/OrdreFrancais.h"

namespace {

using Octets = std::vector<unsigned char>;

Article Simple(const std::string& mot, const std::string& categorie = "NOM",
               std::vector<Sens> sens = {{"d\xE9" "finition", {}}}) {
    Article article;
    article.mot = mot;
    article.categorie = categorie;
    article.sens = std::move(sens);
    return article;
}

std::vector<Article> Mots(std::initializer_list<const char*> mots) {
    std::vector<Article> articles;
    for (const char* mot : mots) articles.push_back(Simple(mot));
    return articles;
}

bool Charger(const std::vector<Article>& articles, const std::string& etiquette = "essai") {
    const Octets charge = EcrireDictionnaire(etiquette, articles);
    return ChargerDictionnaireDepuis(charge.data(), charge.size());
}

std::vector<std::string> Titres(const std::vector<Article>& articles) {
    std::vector<std::string> titres;
    for (const Article& article : articles) titres.push_back(article.mot);
    return titres;
}

// Three-letter headwords aaa, aab, ... in French order.
std::vector<Article> Suite(int nombre) {
    std::vector<Article> articles;
    for (int i = 0; i < nombre; ++i) {
        std::string mot = "aaa";
        mot[0] = char('a' + i / 676);
        mot[1] = char('a' + i / 26 % 26);
        mot[2] = char('a' + i % 26);
        articles.push_back(Simple(mot));
    }
    return articles;
}

void ChargerIndex(const std::map<std::string, std::vector<std::string>>& index) {
    const Octets charge = EcrireIndexFlexions(index);
    ASSERT_TRUE(ChargerIndexFlexionsDepuis(charge.data(), charge.size()));
}

}  // namespace

TEST(ChargerDictionnaire, LoadsTheEmbeddedResourceThroughThePipeline) {
    const std::vector<Article> attendus = ArticlesEssai();
    for (std::size_t i = 1; i < attendus.size(); ++i)
        ASSERT_FALSE(MotSuperieur(attendus[i - 1].mot, attendus[i].mot)) << "fixture out of order";
    ASSERT_TRUE(ChargerDictionnaire());
    EXPECT_EQ(TousLesArticles(), attendus);
    EXPECT_EQ(EtiquetteDonnees(), ETIQUETTE_ESSAI);
    // The fixture is packed in blocks of 200 bytes: its articles are spread over several.
    EXPECT_GT(DictionnaireCourant().NombreBlocs(), 2u);
}

TEST(ChargerDictionnaireDepuis, RoundTripKeepsEveryField) {
    std::vector<Article> articles = ArticlesEssai();
    articles[2].attributs = {{"pluriel", "\xE9l\xE8ves"}, {"TEST", "x"}, {"", ""}};
    articles[2].sens.push_back({std::string(101, 'd'), {"", std::string(65536, 'e')}});
    articles.push_back(Simple("zz\xE9ro", "ADJ", {}));
    ASSERT_TRUE(Charger(articles, "\xE9tiquette"));
    EXPECT_EQ(TousLesArticles(), articles);
    EXPECT_EQ(EtiquetteDonnees(), "\xE9tiquette");
}

TEST(ChargerDictionnaireDepuis, RejectsAnyVersionButOne) {
    for (float version : {2.0f, 0.0f, 1.0001f}) {
        ASSERT_TRUE(Charger(Mots({"a", "b"})));
        FluxBaliseEcrivain flux;
        flux.EcrireReel(version);
        flux.EcrireReel(0.0f);
        flux.EcrireChaine("autre");
        flux.EcrireEntier(0);
        EXPECT_FALSE(ChargerDictionnaireDepuis(flux.Octets().data(), flux.Octets().size())) << version;
        EXPECT_TRUE(TousLesArticles().empty());
        EXPECT_EQ(EtiquetteDonnees(), "essai");
    }
    // A version written as an integer is no version.
    FluxBaliseEcrivain entier;
    entier.EcrireEntier(1);
    EXPECT_FALSE(ChargerDictionnaireDepuis(entier.Octets().data(), entier.Octets().size()));
    EXPECT_FALSE(ChargerDictionnaireDepuis(nullptr, 0));
}

TEST(ChargerDictionnaireDepuis, StopsAtTheFirstBadRecordKeepingThoseBefore) {
    const std::vector<Article> articles = Mots({"a", "b", "c", "d"});
    const Octets complet = EcrireDictionnaire("e", articles);
    // Where the third record starts: the payload of two articles without its final zero.
    const std::size_t debutTroisieme =
        EcrireDictionnaire("e", Mots({"a", "b"})).size() - 1;
    // Cut inside the third record.
    const Octets tronque(complet.begin(), complet.begin() + long(debutTroisieme) + 3);
    EXPECT_FALSE(ChargerDictionnaireDepuis(tronque.data(), tronque.size()));
    EXPECT_EQ(Titres(TousLesArticles()), (std::vector<std::string>{"a", "b"}));
    // A bad tag where the third headword should be.
    Octets corrompu = complet;
    corrompu[debutTroisieme] = 0x04;
    EXPECT_FALSE(ChargerDictionnaireDepuis(corrompu.data(), corrompu.size()));
    EXPECT_EQ(TousLesArticles().size(), 2u);
}

TEST(ChargerDictionnaireDepuis, CountLargerOrNegativeFails) {
    FluxBaliseEcrivain flux;
    flux.EcrireReel(1.0f);
    flux.EcrireReel(0.0f);
    flux.EcrireChaine("e");
    flux.EcrireEntier(3);
    for (const char* mot : {"a", "b"}) {
        flux.EcrireChaine(mot);
        flux.EcrireChaine("NOM");
        flux.EcrireTable({});
        for (int i = 0; i < 4; ++i) flux.EcrireChaine("");
        flux.EcrireEntier(0);
    }
    EXPECT_FALSE(ChargerDictionnaireDepuis(flux.Octets().data(), flux.Octets().size()));
    EXPECT_EQ(Titres(TousLesArticles()), (std::vector<std::string>{"a", "b"}));

    FluxBaliseEcrivain sansEntete;
    sansEntete.EcrireReel(1.0f);
    sansEntete.EcrireReel(0.0f);
    sansEntete.EcrireChaine("e");
    sansEntete.EcrireEntier(-1);
    EXPECT_FALSE(ChargerDictionnaireDepuis(sansEntete.Octets().data(), sansEntete.Octets().size()));
    // A negative sense count is a bad record too.
    flux = FluxBaliseEcrivain();
    flux.EcrireReel(1.0f);
    flux.EcrireReel(0.0f);
    flux.EcrireChaine("e");
    flux.EcrireEntier(1);
    flux.EcrireChaine("a");
    flux.EcrireChaine("NOM");
    flux.EcrireTable({});
    for (int i = 0; i < 4; ++i) flux.EcrireChaine("");
    flux.EcrireEntier(-1);
    EXPECT_FALSE(ChargerDictionnaireDepuis(flux.Octets().data(), flux.Octets().size()));
    EXPECT_TRUE(TousLesArticles().empty());
}

TEST(ChercherPosition, EndsMiddleAndOutside) {
    ASSERT_TRUE(Charger(Mots({"b", "d", "f", "h", "j"})));
    struct Cas {
        const char* mot;
        bool trouve;
        int index, apresDernier, insertion;
    };
    const Cas cas[] = {
        {"b", true, 0, -1, -1},  {"j", true, 4, -1, -1},  {"f", true, 2, -1, -1},
        {"h", true, 3, -1, -1},  {"a", false, -1, -1, 0}, {"k", false, -1, 4, -1},
        {"c", false, -1, -1, 1}, {"i", false, -1, -1, 4}, {"", false, -1, -1, -1},
        {"B", false, -1, -1, 0},  // capitals sort before lower case
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.mot);
        const PositionMot position = ChercherPosition(c.mot);
        EXPECT_EQ(position.trouve, c.trouve);
        EXPECT_EQ(position.index, c.index);
        EXPECT_EQ(position.apresDernier, c.apresDernier);
        EXPECT_EQ(position.insertion, c.insertion);
    }
    ASSERT_TRUE(Charger({}));
    EXPECT_FALSE(ChercherPosition("b").trouve);
    EXPECT_EQ(ChercherPosition("b").insertion, -1);
}

TEST(TrouverArticles, ReturnsTheWholeRunWhereverTheSearchLands) {
    std::vector<Article> articles = Mots({"a", "b", "b", "c", "d"});
    articles[1].categorie = "NOM";
    articles[2].categorie = "VERBE";
    ASSERT_TRUE(Charger(articles));
    // The search meets the second "b" first.
    ASSERT_EQ(ChercherPosition("b").index, 2);
    const std::vector<Article> trouves = TrouverArticles("b");
    ASSERT_EQ(trouves.size(), 2u);
    EXPECT_EQ(trouves[0].categorie, "NOM");
    EXPECT_EQ(trouves[1].categorie, "VERBE");

    ASSERT_TRUE(Charger(Mots({"a", "a", "b"})));
    EXPECT_EQ(TrouverArticles("a").size(), 2u);
    EXPECT_EQ(TrouverArticles("b").size(), 1u);
    EXPECT_TRUE(TrouverArticles("A").empty());
    EXPECT_TRUE(TrouverArticles("ab").empty());
    EXPECT_TRUE(TrouverArticles("").empty());
}

TEST(TrouverArticlesSequentiel, FindsWordsTheBinarySearchMisses) {
    // "z" out of place: the binary search takes it for a word after the last.
    ASSERT_TRUE(Charger(Mots({"a", "z", "c", "z", "d"})));
    EXPECT_TRUE(TrouverArticles("z").empty());
    EXPECT_EQ(TrouverArticlesSequentiel("z").size(), 2u);
    EXPECT_TRUE(TrouverArticlesSequentiel("Z").empty());
    EXPECT_EQ(TrouverArticlesSequentiel("a").size(), 1u);
}

TEST(FenetreMots, ClampsAtBothEnds) {
    const std::vector<Article> articles = Suite(200);
    ASSERT_TRUE(Charger(articles));
    // Word at index 10: starts at index 0, ends 90 records after it.
    FenetreListe debut = FenetreMots(articles[10].mot);
    ASSERT_EQ(debut.mots.size(), 101u);
    EXPECT_EQ(debut.mots.front(), articles[0].mot);
    EXPECT_EQ(debut.mots.back(), articles[100].mot);
    EXPECT_EQ(debut.selection, 10);
    // Word at count - 5: 60 records before it, ends at the last one.
    FenetreListe fin = FenetreMots(articles[195].mot);
    ASSERT_EQ(fin.mots.size(), 65u);
    EXPECT_EQ(fin.mots.front(), articles[135].mot);
    EXPECT_EQ(fin.mots.back(), articles[199].mot);
    EXPECT_EQ(fin.selection, 60);
    // In the middle with other widths.
    FenetreListe milieu = FenetreMots(articles[100].mot, 2, 1);
    ASSERT_EQ(milieu.mots.size(), 10u);
    EXPECT_EQ(milieu.mots.front(), articles[97].mot);
    EXPECT_EQ(milieu.selection, 3);
}

TEST(FenetreMots, WordsAfterTheLastCentreOnItOthersGiveNothing) {
    const std::vector<Article> articles = Suite(200);
    ASSERT_TRUE(Charger(articles));
    FenetreListe apres = FenetreMots("zzz");
    ASSERT_EQ(apres.mots.size(), 61u);
    EXPECT_EQ(apres.mots.front(), articles[139].mot);
    EXPECT_EQ(apres.mots.back(), articles[199].mot);
    EXPECT_EQ(apres.selection, 59);
    EXPECT_TRUE(FenetreMots("a").mots.empty());       // before the first
    EXPECT_TRUE(FenetreMots("aaab").mots.empty());    // missing, in the middle
    EXPECT_TRUE(FenetreMots("").mots.empty());
}

TEST(FenetreMots, RunsOfEqualHeadwordsGiveOneLine) {
    ASSERT_TRUE(Charger(Mots({"a", "b", "b", "b", "c", "c", "d"})));
    FenetreListe fenetre = FenetreMots("c");
    EXPECT_EQ(fenetre.mots, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(fenetre.selection, 2);
    // After the last: the selection stays inside the shortened list.
    ASSERT_TRUE(Charger(Mots({"a", "b", "b", "b"})));
    FenetreListe apres = FenetreMots("z");
    EXPECT_EQ(apres.mots, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(apres.selection, 1);
    ASSERT_TRUE(Charger(Mots({"a"})));
    EXPECT_EQ(FenetreMots("z").selection, 0);
}

TEST(ResoudreMot, AppliesTheRulesInOrder) {
    // "a\xEF" "e" is out of place, so only the sequential scan finds it.
    std::vector<Article> articles = Mots({"cheval", "maison", "a\xEF" "e", "zz\xE9ro"});
    ASSERT_TRUE(Charger(articles));
    ChargerIndex({{"maisons", {"maison", "autre"}},
                  {"chevaux", {"cheval"}},
                  {"vide", {}},
                  {"\xE9t\xE9s", {"\xE9t\xE9"}}});
    struct Cas {
        const char* mot;
        std::optional<std::string> attendu;
    };
    const Cas cas[] = {
        {"maison", "maison"},
        {"maisons", "maison"},            // first headword of the form
        {"Maison", "maison"},             // capitalised, lower-cased
        {"MAISON", std::nullopt},         // more than one capital
        {"Chevaux", "cheval"},            // lower-cased, then the index
        {"\xC9t\xE9s", "\xE9t\xE9"},      // accented capital
        {"a\xEF" "e", "a\xEF" "e"},       // found only by the sequential scan
        {"vide", std::nullopt},           // an empty headword list resolves nothing
        {"inconnu", std::nullopt},
        {"", std::nullopt},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.mot);
        EXPECT_EQ(ResoudreMot(c.mot), c.attendu);
    }
}

TEST(RechercherPleinTexte, IsCaseSensitiveAndTracesMatchingDefinitions) {
    std::vector<Article> articles = {
        Simple("chat", "NOM", {{"Petit f\xE9lin domestique.", {"Le chat dort."}}}),
        Simple("chatte", "NOM", {{"Femelle du chat.", {}}, {"Autre chat encore.", {}}}),
        Simple("chien", "NOM", {{"Animal.", {"Il chasse le Chat."}}, {"Ami du chat.", {}}}),
        Simple("chien", "ADJ", {{"Avare, comme un chat.", {}}}),
        Simple("sans", "NOM", {}),
    };
    ASSERT_TRUE(Charger(articles));

    testing::internal::CaptureStdout();
    const std::vector<std::string> minuscule = RechercherPleinTexte("chat", false);
    const std::string traces = testing::internal::GetCapturedStdout();
    EXPECT_EQ(minuscule, (std::vector<std::string>{"chatte", "chien", "chien"}));
    // One line per matching article: its first matching definition.
    EXPECT_EQ(traces,
              "SENS: [Femelle du chat.]\nSENS: [Ami du chat.]\nSENS: [Avare, comme un chat.]\n");

    testing::internal::CaptureStdout();
    const std::vector<std::string> majuscule = RechercherPleinTexte("Chat", false);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(majuscule.empty());

    // Examples count only with the flag, and their matches are not traced.
    testing::internal::CaptureStdout();
    EXPECT_EQ(RechercherPleinTexte("Chat", true), (std::vector<std::string>{"chien"}));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    testing::internal::CaptureStdout();
    EXPECT_EQ(RechercherPleinTexte("chat", true),
              (std::vector<std::string>{"chat", "chatte", "chien", "chien"}));
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(RechercherPleinTexte("", true).empty());
    EXPECT_TRUE(RechercherPleinTexte("absent", true).empty());
}
