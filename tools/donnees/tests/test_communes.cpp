#include <gtest/gtest.h>

#include "tools/donnees/Communes.h"
#include "tools/donnees/Json.h"

namespace {

const char* const Departements = R"([
{"code":"80","nom":"Somme","typeLiaison":3,"zone":"metro"},
{"code":"59","nom":"Nord","typeLiaison":2,"zone":"metro"},
{"code":"01","nom":"Ain","typeLiaison":5,"zone":"metro"},
{"code":"40","nom":"Landes","typeLiaison":4,"zone":"metro"},
{"code":"28","nom":"Eure-et-Loir","typeLiaison":1,"zone":"metro"},
{"code":"75","nom":"Paris","typeLiaison":0,"zone":"metro"},
{"code":"978","nom":"Saint-Martin","typeLiaison":0,"zone":"com"}
])";

const char* const Communes = R"([
{"code":"80021","nom":"Amiens","departement":"80","type":"commune-actuelle","population":133625},
{"code":"59350","nom":"Lille","departement":"59","type":"commune-actuelle"},
{"code":"59298","nom":"Hellemmes-Lille","departement":"59","type":"commune-associee"},
{"code":"01004","nom":"Amb\u00e9rieu-en-Bugey","departement":"01","type":"commune-actuelle"},
{"code":"40001","nom":"A\u00efre-sur-l'Adour","departement":"40","type":"commune-actuelle"},
{"code":"28001","nom":"Abondant","departement":"28","type":"commune-actuelle"},
{"code":"75056","nom":"Paris","departement":"75","type":"commune-actuelle"},
{"code":"75101","nom":"Paris 1er Arrondissement","departement":"75","type":"arrondissement-municipal"},
{"code":"97801","nom":"Saint-Martin","departement":"978","type":"commune-actuelle"},
{"code":"01999","nom":"Beaulieu","departement":"01","type":"commune-actuelle"},
{"code":"40999","nom":"Beaulieu","departement":"40","type":"commune-actuelle"},
{"code":"99999","nom":"Nulle-Part","departement":"99","type":"commune-actuelle"},
{"code":"01998","nom":"","departement":"01","type":"commune-actuelle"},
{"code":"01997","nom":"L\u0153uilly","departement":"01","type":"commune-deleguee"}
])";

TEST(Communes, OneArticlePerCurrentCommune) {
    std::vector<Article> articles;
    ASSERT_TRUE(ArticlesCommunes(Communes, Departements, articles));
    ASSERT_EQ(articles.size(), 10u);  // no associated, delegated, arrondissement or nameless entry
    const std::pair<const char*, const char*> attendus[] = {
        {"Amiens", "Commune fran\xE7" "aise du d\xE9partement de la Somme (80)."},
        {"Lille", "Commune fran\xE7" "aise du d\xE9partement du Nord (59)."},
        {"Amb\xE9rieu-en-Bugey", "Commune fran\xE7" "aise du d\xE9partement de l'Ain (01)."},
        {"A\xEFre-sur-l'Adour", "Commune fran\xE7" "aise du d\xE9partement des Landes (40)."},
        {"Abondant", "Commune fran\xE7" "aise du d\xE9partement d'Eure-et-Loir (28)."},
        {"Paris", "Commune fran\xE7" "aise du d\xE9partement de Paris (75)."},
        {"Saint-Martin", "Commune fran\xE7" "aise de la collectivit\xE9 de Saint-Martin (978)."},
        {"Beaulieu", "Commune fran\xE7" "aise du d\xE9partement de l'Ain (01)."},
        {"Beaulieu", "Commune fran\xE7" "aise du d\xE9partement des Landes (40)."},
        {"Nulle-Part", "Commune fran\xE7" "aise."},
    };
    for (std::size_t i = 0; i < std::size(attendus); ++i) {
        SCOPED_TRACE(attendus[i].first);
        EXPECT_EQ(articles[i].mot, attendus[i].first);
        EXPECT_EQ(articles[i].categorie, "NOM PROPRE");
        ASSERT_EQ(articles[i].sens.size(), 1u);
        EXPECT_EQ(articles[i].sens[0].definition, attendus[i].second);
        // The place-name filter looks for this exact marker.
        EXPECT_EQ(articles[i].sens[0].definition.rfind("Commune fran\xE7" "aise", 0), 0u);
    }
}

TEST(Communes, LinkTypeOutOfRangeJoinsWithDe) {
    for (const char* liaison : {"1e300", "-1e300", "-3", "9", "2147483648", "\"3\""}) {
        SCOPED_TRACE(liaison);
        const std::string departements =
            std::string(R"([{"code":"80","nom":"Somme","zone":"metro","typeLiaison":)") + liaison + "}]";
        std::vector<Article> articles;
        ASSERT_TRUE(ArticlesCommunes(R"([{"nom":"Amiens","departement":"80","type":"commune-actuelle"}])",
                                     departements, articles));
        ASSERT_EQ(articles.size(), 1u);
        ASSERT_EQ(articles[0].sens.size(), 1u);
        EXPECT_EQ(articles[0].sens[0].definition, "Commune fran\xE7" "aise du d\xE9partement de Somme (80).");
    }
}

TEST(Communes, MalformedRegisterGivesNothing) {
    std::vector<Article> articles;
    EXPECT_FALSE(ArticlesCommunes("[{\"nom\":\"Amiens\"", Departements, articles));
    EXPECT_FALSE(ArticlesCommunes("{}", Departements, articles));
    EXPECT_FALSE(ArticlesCommunes(Communes, "[1,", articles));
    EXPECT_TRUE(articles.empty());
    EXPECT_FALSE(ChargerCommunes("/nonexistent/communes.json", "", articles));
}

TEST(Json, ValuesEscapesAndErrors) {
    ValeurJson v;
    ASSERT_TRUE(AnalyserJson(R"( {"a":[1,-2.5e1,true,false,null],"b":"\u00e9\ud83d\ude00\n\"","c":{}} )", v));
    ASSERT_EQ(v.type, ValeurJson::Type::Objet);
    const ValeurJson* a = v.Membre("a");
    ASSERT_NE(a, nullptr);
    ASSERT_EQ(a->elements.size(), 5u);
    EXPECT_EQ(a->elements[1].nombre, -25.0);
    EXPECT_TRUE(a->elements[2].booleen);
    EXPECT_EQ(a->elements[4].type, ValeurJson::Type::Nul);
    EXPECT_EQ(v.Texte("b"), "\xC3\xA9\xF0\x9F\x98\x80\n\"");
    EXPECT_EQ(v.Texte("a"), "");
    EXPECT_EQ(v.Membre("z"), nullptr);

    const char* const mauvais[] = {"", "[1,]", "{\"a\" 1}", "\"\\ud83d\"", "\"abc", "[1] 2", "tru",
                                   "\"\\x\"", "{1:2}", "\"a\tb\""};
    for (const char* texte : mauvais) EXPECT_FALSE(AnalyserJson(texte, v)) << texte;
    // Deep nesting is refused, not a stack overflow.
    EXPECT_FALSE(AnalyserJson(std::string(100000, '['), v));
}

}  // namespace
