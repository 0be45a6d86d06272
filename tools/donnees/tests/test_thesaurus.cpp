#include <gtest/gtest.h>

#include "tools/donnees/MotsModernes.h"
#include "tools/donnees/Thesaurus.h"

namespace {

const char* const Fichier =
    "UTF-8\n"
    "maison|2\n"
    "(Nom)|b\xC3\xA2tisse|demeure|maison|demeure\n"
    "(Adjectif Nom)|artisanal\n"
    "courriel|1\n"
    "(?)|mur|muret\n"
    "courrier|1\n"
    "(Nom)|lettre|courriel\n"
    "e-mail|1\n"
    "(?)|courriel|message\n"
    "mur|1\n"
    "(Nom)|cloison|muret\n"
    "tronqu\xC3\xA9|3\n"
    "(Verbe)|coup\xC3\xA9\n";  // announces three groups, has one

TEST(Thesaurus, ReadsEntriesGroupsAndCategories) {
    std::vector<EntreeThesaurus> entrees;
    ASSERT_TRUE(LireThesaurus(Fichier, entrees));
    ASSERT_EQ(entrees.size(), 6u);
    EXPECT_EQ(entrees[0].mot, "maison");
    ASSERT_EQ(entrees[0].groupes.size(), 2u);
    EXPECT_EQ(entrees[0].groupes[0].categories, std::vector<std::string>{"NOM"});
    // The headword itself and repeats are dropped; the text is Windows-1252.
    EXPECT_EQ(entrees[0].groupes[0].synonymes, (std::vector<std::string>{"b\xE2tisse", "demeure"}));
    EXPECT_EQ(entrees[0].groupes[1].categories, (std::vector<std::string>{"ADJECTIF", "NOM"}));
    EXPECT_TRUE(entrees[1].groupes[0].categories.empty());
    EXPECT_EQ(entrees[5].mot, "tronqu\xE9");
    EXPECT_EQ(entrees[5].groupes.size(), 1u);
}

TEST(Thesaurus, LatinFileAndEmptyFile) {
    std::vector<EntreeThesaurus> entrees;
    ASSERT_TRUE(LireThesaurus("ISO8859-1\n\xE9t\xE9|1\n(Nom)|saison\n", entrees));
    EXPECT_EQ(entrees[0].mot, "\xE9t\xE9");
    std::vector<EntreeThesaurus> vide;
    EXPECT_FALSE(LireThesaurus("UTF-8\n", vide));
    EXPECT_FALSE(LireThesaurus("", vide));
}

TEST(Thesaurus, MisfiledGroupIsReplacedByTheWordsThatListIt) {
    std::vector<EntreeThesaurus> entrees;
    ASSERT_TRUE(LireThesaurus(Fichier, entrees));
    CorrigerGroupesDouteux(entrees);
    // courriel's "(?)" group names walls, none of which names courriel back.
    EXPECT_EQ(entrees[1].groupes[0].synonymes, (std::vector<std::string>{"courrier", "e-mail"}));
    // Nobody lists e-mail: its group, unconfirmed, has nothing to be replaced by.
    EXPECT_EQ(entrees[3].groupes[0].synonymes, (std::vector<std::string>{"courriel", "message"}));
    // A group with a category is never touched.
    EXPECT_EQ(entrees[4].groupes[0].synonymes, (std::vector<std::string>{"cloison", "muret"}));
}

TEST(Thesaurus, ReverseSynonymsAndText) {
    std::vector<EntreeThesaurus> entrees;
    ASSERT_TRUE(LireThesaurus(Fichier, entrees));
    const auto inverses = SynonymesInverses(entrees);
    EXPECT_EQ(inverses.at("courriel"), (std::vector<std::string>{"courrier", "e-mail"}));
    EXPECT_EQ(inverses.at("muret"), (std::vector<std::string>{"courriel", "mur"}));
    GroupeSynonymes a{{"NOM"}, {"b\xE2tisse", "demeure"}}, b{{}, {"foyer"}};
    EXPECT_EQ(TexteSynonymes({a, b, a}), "b\xE2tisse, demeure\nfoyer");
    EXPECT_EQ(TexteSynonymes({}), "");
}

TEST(MotsModernes, ArticleSaysOnlySynonymsAreKnown) {
    GroupeSynonymes g1{{"NOM"}, {"calculateur", "machine", "PC", "terminal"}}, g2{{}, {"robot"}};
    const Article article = ArticleMotModerne("ordinateur", "NOM", "masculin", {g1, g2});
    EXPECT_EQ(article.mot, "ordinateur");
    EXPECT_EQ(article.categorie, "NOM");
    EXPECT_EQ(article.attributs.at(CleGenre), "masculin");
    ASSERT_EQ(article.sens.size(), 1u);
    EXPECT_EQ(article.sens[0].definition, "Seuls des synonymes de ce mot sont connus : calculateur, machine, PC.");
    EXPECT_EQ(article.synonymes, "calculateur, machine, PC, terminal\nrobot");
    EXPECT_TRUE(ArticleMotModerne("zzz", "ADVERBE", "", {g2}).attributs.empty());
}

TEST(MotsModernes, OnlyLowerCaseSingleWords) {
    EXPECT_TRUE(MotAjoutable("courriel"));
    EXPECT_TRUE(MotAjoutable("t\xE9l\xE9phone"));
    EXPECT_TRUE(MotAjoutable("abaisse-langue"));
    EXPECT_TRUE(MotAjoutable("\x9C" "il"));
    EXPECT_FALSE(MotAjoutable("Paris"));
    EXPECT_FALSE(MotAjoutable("arbre \xE0 pain"));
    EXPECT_FALSE(MotAjoutable("mp3"));
    EXPECT_FALSE(MotAjoutable(""));
}

}  // namespace
