#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "tools/donnees/Enrichissement.h"
#include "tools/donnees/MotsModernes.h"
#include "tools/donnees/SourcesChargees.h"

// The whole enrichment on the installed sources, with a handful of articles
// standing for the Littré's.
namespace {

Article Littre(const char* mot, const char* categorie, const char* genre = "") {
    Article article;
    article.mot = mot;
    article.categorie = categorie;
    if (*genre) article.attributs[CleGenre] = genre;
    article.sens.push_back(Sens{"D\xE9" "finition.", {}});
    return article;
}

class EnrichissementReel : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const SourcesEnrichissement sources;
        if (!std::filesystem::exists(sources.hunspellDic) || !std::filesystem::exists(sources.thesaurus))
            return;
        articles = new std::vector<Article>{
            Littre("maison", "NOM", "f\xE9minin"),   Littre("cheval", "NOM", "masculin"),
            Littre("beau", "ADJECTIF"),              Littre("oeil", "NOM", "masculin"),
            Littre("aimer", "VERBE"),                Littre("finir", "VERBE"),
            Littre("aller", "VERBE"),                Littre("aller", "NOM", "masculin"),
            Littre("belle", "NOM", "f\xE9minin"),   Littre("ordinateur", "ADJECTIF"),
            Littre("coeur", "NOM", "masculin"),     Littre("abandonn\xE9", "PARTICIPE PASS\xC9"),
        };
        index = new std::map<std::string, std::vector<std::string>>;
        SourcesChargees lues;
        ChargerEnrichissement(sources, lues);
        bilan = new BilanEnrichissement(Enrichir(*articles, *index, lues.Enrichissement()));
        communesAttendues = !sources.communes.empty() && std::filesystem::exists(sources.communes);
    }
    static void TearDownTestSuite() {
        delete articles;
        delete index;
        delete bilan;
    }
    void SetUp() override {
        if (!articles) GTEST_SKIP() << "hunspell-fr-comprehensive or mythes-fr not installed";
    }
    static const Article* Trouver(const std::string& mot, const std::string& categorie = "") {
        for (const Article& a : *articles)
            if (a.mot == mot && (categorie.empty() || a.categorie == categorie)) return &a;
        return nullptr;
    }
    // One test runs them all: ctest runs each test in a process of its own,
    // and the enrichment of the real sources is what takes the time.
    static void InflectedFormsLeadToTheirHeadwords();
    static void ArticlesReceiveInflectionsAndSynonyms();
    static void ModernWordsGetAnArticle();
    static void CommunesAreAddedWhenTheRegisterIsInstalled();
    static std::vector<Article>* articles;
    static std::map<std::string, std::vector<std::string>>* index;
    static BilanEnrichissement* bilan;
    static bool communesAttendues;
};
std::vector<Article>* EnrichissementReel::articles = nullptr;
std::map<std::string, std::vector<std::string>>* EnrichissementReel::index = nullptr;
BilanEnrichissement* EnrichissementReel::bilan = nullptr;
bool EnrichissementReel::communesAttendues = false;

void EnrichissementReel::InflectedFormsLeadToTheirHeadwords() {
    const std::pair<const char*, const char*> exemples[] = {
        {"maisons", "maison"}, {"chevaux", "cheval"}, {"belles", "beau"},
        {"yeux", "oeil"},       {"aimions", "aimer"},   {"finissons", "finir"},
        {"all\xE8rent", "aller"}, {"bel", "beau"},    {"fini", "finir"},
        // The Littré writes "oeil": the spelling with the ligature leads to it.
        {"\x9C" "il", "oeil"}, {"c\x9C" "urs", "coeur"}, {"coeurs", "coeur"},
    };
    for (const auto& [forme, vedette] : exemples) {
        SCOPED_TRACE(forme);
        const auto trouve = index->find(forme);
        ASSERT_NE(trouve, index->end());
        EXPECT_NE(std::find(trouve->second.begin(), trouve->second.end(), vedette), trouve->second.end());
    }
    // Headwords are never keys, however many lemmas they are forms of.
    for (const char* vedette : {"belle", "maison", "aller", "ordinateur"}) EXPECT_EQ(index->count(vedette), 0u) << vedette;
    EXPECT_GT(bilan->formesIndexees, 0u);
}

void EnrichissementReel::ArticlesReceiveInflectionsAndSynonyms() {
    EXPECT_EQ(Trouver("cheval")->flexions, "pluriel : chevaux");
    EXPECT_EQ(Trouver("oeil")->flexions, "pluriel : yeux");
    EXPECT_EQ(Trouver("coeur")->flexions, "pluriel : coeurs");
    // A participle takes the thesaurus's adjective and verb groups, and makes no added article.
    EXPECT_EQ(Trouver("abandonn\xE9")->flexions,
              "masculin : abandonn\xE9 ; f\xE9minin : abandonn\xE9" "e ; pluriel : abandonn\xE9s, abandonn\xE9" "es");
    EXPECT_NE(Trouver("abandonn\xE9")->synonymes.find("d\xE9laiss\xE9"), std::string::npos);
    EXPECT_EQ(std::count_if(articles->begin(), articles->end(),
                            [](const Article& a) { return a.mot == "abandonn\xE9"; }), 1);
    EXPECT_NE(Trouver("oeil")->synonymes.find("regard"), std::string::npos);
    EXPECT_EQ(Trouver("beau")->flexions.rfind("masculin : beau, bel ; f\xE9minin : belle", 0), 0u)
        << Trouver("beau")->flexions;
    EXPECT_NE(Trouver("finir")->flexions.find("nous finissons"), std::string::npos) << Trouver("finir")->flexions;
    EXPECT_NE(Trouver("aller", "VERBE")->flexions.find("ils all\xE8rent"), std::string::npos);
    // maison is a noun in the thesaurus; its synonyms reach the noun article.
    EXPECT_NE(Trouver("maison")->synonymes.find("demeure"), std::string::npos);
    // The thesaurus has no verb group for "aller": the verb article gets none of the noun's.
    EXPECT_GE(bilan->motsAvecSynonymes, 3u);
}

void EnrichissementReel::ModernWordsGetAnArticle() {
    for (const char* mot : {"ordinateur", "logiciel", "t\xE9l\xE9phone", "courriel"}) {
        SCOPED_TRACE(mot);
        const Article* article = Trouver(mot, "NOM");
        ASSERT_NE(article, nullptr);
        ASSERT_EQ(article->sens.size(), 1u);
        EXPECT_EQ(article->sens[0].definition.rfind("Seuls des synonymes de ce mot sont connus : ", 0), 0u);
        EXPECT_FALSE(article->synonymes.empty());
        EXPECT_EQ(article->categorie, "NOM");
    }
    EXPECT_EQ(Trouver("ordinateur", "NOM")->attributs.at(CleGenre), "masculin");
    // The Littré's adjective ("who orders") keeps away from the computer's synonyms.
    EXPECT_EQ(Trouver("ordinateur", "ADJECTIF")->synonymes.find("calculateur"), std::string::npos);
    EXPECT_EQ(Trouver("ordinateur", "ADJECTIF")->sens.at(0).definition, "D\xE9" "finition.");
    // The misfiled "(?)" group of courriel (walls) is not what the article shows.
    EXPECT_EQ(Trouver("courriel")->synonymes.find("mur"), std::string::npos) << Trouver("courriel")->synonymes;
    // Inflected forms of existing headwords are not words to add.
    EXPECT_EQ(Trouver("maisons"), nullptr);
    EXPECT_EQ(Trouver("abandonne"), nullptr);
    // Nor are plurals the spelling dictionary lists on their own, nor other spellings of headwords.
    EXPECT_EQ(Trouver("yeux"), nullptr);
    EXPECT_EQ(Trouver("\x9C" "il"), nullptr);
    EXPECT_GT(bilan->articlesAjoutes, 1000u);
}

void EnrichissementReel::CommunesAreAddedWhenTheRegisterIsInstalled() {
    if (!communesAttendues) return;  // the register comes from npm ci in tools/
    EXPECT_GT(bilan->communes, 30000u);
    const Article* amiens = Trouver("Amiens");
    ASSERT_NE(amiens, nullptr);
    EXPECT_EQ(amiens->categorie, "NOM PROPRE");
    EXPECT_EQ(amiens->sens.at(0).definition, "Commune fran\xE7" "aise du d\xE9partement de la Somme (80).");
    EXPECT_NE(bilan->versions.find("communes "), std::string::npos) << bilan->versions;
}

TEST_F(EnrichissementReel, OnTheInstalledSources) {
    {
        SCOPED_TRACE("index");
        InflectedFormsLeadToTheirHeadwords();
    }
    {
        SCOPED_TRACE("inflections and synonyms");
        ArticlesReceiveInflectionsAndSynonyms();
    }
    {
        SCOPED_TRACE("modern words");
        ModernWordsGetAnArticle();
    }
    {
        SCOPED_TRACE("communes");
        CommunesAreAddedWhenTheRegisterIsInstalled();
    }
    if (!communesAttendues) std::printf("the commune register is not installed (npm ci in tools/): not checked\n");
}

}  // namespace
