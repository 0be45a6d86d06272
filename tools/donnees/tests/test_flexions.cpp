#include <gtest/gtest.h>

#include "tools/donnees/Flexions.h"
#include "tools/donnees/Hunspell.h"
#include "tools/donnees/Verbiste.h"

namespace {

// A miniature of the French dictionary's affix classes, UTF-8 as the real one.
const char* const Aff =
    "SET UTF-8\nFLAG long\nNEEDAFFIX ()\n"
    "SFX S. Y 2\nSFX S. 0 0 [^sxz] is:sg\nSFX S. 0 s [^sxz] is:pl\n"
    "SFX X. Y 2\nSFX X. 0 0 [ul] is:sg\nSFX X. l ux al is:pl\n"
    "SFX A. Y 2\nSFX A. 0 0 [sxz] is:inv\nSFX A. 0 0 [^sxz] is:sg\n"
    "SFX Wx Y 7\n"
    "SFX Wx 0 0 eau is:mas is:sg\nSFX Wx 0 x eau is:mas is:pl\nSFX Wx au ls eau is:mas is:pl\n"
    "SFX Wx au l eau is:mas is:sg\nSFX Wx au lle eau is:fem is:sg\n"
    "SFX Wx au lles eau is:fem is:pl\nSFX Wx 0 0 [^u] is:epi\n"
    "SFX F. Y 4\nSFX F. 0 0 [^e] is:mas is:sg\nSFX F. 0 s [^e] is:mas is:pl\n"
    "SFX F. 0 e [^e] is:fem is:sg\nSFX F. 0 es [^e] is:fem is:pl\n"
    "SFX a0 Y 12\n"
    "SFX a0 er er er po:infi\nSFX a0 er ant er po:ppre\n"
    "SFX a0 er e er po:ipre po:1sg po:3sg\nSFX a0 er ons er po:ipre po:1pl\n"
    "SFX a0 er ent er po:ipre po:3pl\nSFX a0 er ais er po:iimp po:1sg po:2sg\n"
    "SFX a0 er ions er po:iimp po:spre po:1pl\nSFX a0 er a er po:ipsi po:3sg\n"
    "SFX a0 er \xC3\xA8rent er po:ipsi po:3pl!\nSFX a0 er erai er po:ifut po:1sg\n"
    "SFX a0 er \xC3\xA9 er po:ppas is:mas is:sg\nSFX a0 er \xC3\xA9" "e er po:ppas is:fem is:sg\n"
    "SFX pl Y 2\nSFX pl euvoir eut euvoir po:ipre po:3sg\nSFX pl euvoir u euvoir po:ppas\n";

const char* const Dic =
    "12\n"
    "\xC5\x93il/S.() po:nom is:mas\n"
    "maison/S.() po:nom is:fem\n"
    "cheval/X.() po:nom is:mas\n"
    "bras/A.() po:nom is:mas\n"
    "beau/Wx() po:nom po:adj\n"
    "aimer/a0() po:v1_it_q__a\n"
    "h\xC3\xA9siter/a0() po:v1\n"
    "pleuvoir/pl po:v3\n"
    "ordinateur/F.() po:nom po:adj\n"
    "ordinateur/S.() po:nom is:mas\n"
    "yeux po:nom is:mas is:pl\n"
    "\xC5\x9B" "ruba/S.() po:nom\n";  // a letter Windows-1252 lacks: not kept

class Flexions : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(hunspell.LireAffixes(Aff));
        ASSERT_TRUE(hunspell.LireEntrees(Dic));
        table.AjouterHunspell(hunspell);
        table.AjouterPlurielsIrreguliers();
    }
    DictionnaireHunspell hunspell;
    TableFlexions table;
};

TEST_F(Flexions, NounAndAdjectiveTexts) {
    EXPECT_EQ(table.Texte("cheval", "NOM", "masculin"), "pluriel : chevaux");
    EXPECT_EQ(table.Texte("maison", "NOM", "f\xE9minin"), "pluriel : maisons");
    EXPECT_EQ(table.Texte("bras", "NOM", ""), "invariable");
    // The affix class also makes "bels", which no one writes: "bel" has no plural of its own.
    EXPECT_EQ(table.Texte("beau", "ADJECTIF", ""),
              "masculin : beau, bel ; f\xE9minin : belle ; pluriel : beaux, belles");
    // The Littré's "ADJECTIF ET NOM": the first category word decides.
    EXPECT_EQ(table.Texte("beau", "ADJECTIF ET NOM", ""), table.Texte("beau", "ADJECTIF", ""));
    EXPECT_EQ(table.Texte("\x9C" "il", "NOM", "masculin"), "pluriel : yeux");
    EXPECT_EQ(table.Texte("cheval", "VERBE", ""), "");
    EXPECT_EQ(table.Texte("inconnu", "NOM", ""), "");
}

TEST_F(Flexions, GenderOfTheArticleSelectsTheNounsForms) {
    EXPECT_EQ(table.Texte("ordinateur", "NOM", "masculin"), "pluriel : ordinateurs");
    EXPECT_EQ(table.Texte("ordinateur", "NOM", ""),
              "masculin : ordinateur ; f\xE9minin : ordinateure ; pluriel : ordinateurs, ordinateures");
    EXPECT_EQ(table.GenreNom("maison"), "f\xE9minin");
    EXPECT_EQ(table.GenreNom("beau"), "masculin");
    EXPECT_EQ(table.GenreNom("aimer"), "");
}

TEST_F(Flexions, VerbText) {
    EXPECT_EQ(table.Texte("aimer", "VERBE", ""),
              "pr\xE9sent : j'aime, nous aimons, ils aiment ; imparfait : j'aimais ; "
              "pass\xE9 simple : il aima, ils aim\xE8rent ; futur : j'aimerai ; "
              "participe pr\xE9sent : aimant ; participe pass\xE9 : aim\xE9");
    EXPECT_EQ(table.Texte("h\xE9siter", "VERBE", "").substr(0, 22), "pr\xE9sent : j'h\xE9site, no");
    // An impersonal verb shows the person it has.
    EXPECT_EQ(table.Texte("pleuvoir", "VERBE", ""), "pr\xE9sent : il pleut ; participe pass\xE9 : plu");
}

TEST_F(Flexions, VerbisteFormsComeFirstAndKeepTheirHAspire) {
    FormesVerbe hair;
    hair.infinitif = "ha\xEFr";
    hair.hAspire = true;
    hair.formes["indicative"]["present"] = {{"hais"}, {"hais"}, {"hait"}, {"ha\xEFssons"}, {"ha\xEFssez"}, {"ha\xEFssent"}};
    hair.formes["participle"]["past-participle"] = {{"ha\xEF"}, {"ha\xEFs"}, {"ha\xEF" "e"}, {"ha\xEF" "es"}};
    FormesVerbe aimer;  // verbiste's forms win over the spelling dictionary's for the text
    aimer.infinitif = "aimer";
    aimer.formes["indicative"]["present"] = {{"aime"}, {"aimes"}, {"aime"}, {"aimons"}, {"aimez"}, {"aiment"}};
    aimer.formes["indicative"]["future"] = {{"aimerai", "aim'rai"}, {}, {}, {}, {}, {}};
    aimer.formes["imperative"]["imperative-present"] = {{"aime"}, {"aimons"}, {"aimez"}};
    table.AjouterVerbiste({hair, aimer});
    EXPECT_EQ(table.Texte("ha\xEFr", "VERBE", ""),
              "pr\xE9sent : je hais, nous ha\xEFssons, ils ha\xEFssent ; participe pass\xE9 : ha\xEF");
    EXPECT_NE(table.Texte("aimer", "VERBE", "").find("futur : j'aimerai ;"), std::string::npos);
    std::map<std::string, std::vector<std::string>> index;
    table.Indexer({"ha\xEFr", "aimer"}, index);
    EXPECT_EQ(index["ha\xEF" "es"], std::vector<std::string>{"ha\xEFr"});
    EXPECT_EQ(index["aim'rai"], std::vector<std::string>{"aimer"});   // every alternative
    EXPECT_EQ(index["aim\xE8rent"], std::vector<std::string>{"aimer"});  // the dictionary's forms stay
    EXPECT_EQ(index.count("aimer"), 0u);
}

TEST_F(Flexions, PastParticipleShowsItsAgreement) {
    table.IndexerParticipes();
    // aim\xE9 is no lemma of its own: its forms come from the verb.
    EXPECT_EQ(table.Texte("aim\xE9", "PARTICIPE PASS\xC9", ""), "masculin : aim\xE9 ; f\xE9minin : aim\xE9" "e");
    EXPECT_EQ(table.Texte("beau", "PARTICIPE PASS\xC9 ET ADJECTIF", ""), table.Texte("beau", "ADJECTIF", ""));
    EXPECT_EQ(table.Texte("aimant", "PARTICIPE PR\xC9SENT", ""), "");
}

TEST_F(Flexions, CategoriesAndForms) {
    EXPECT_EQ(table.Categories("beau"), (std::vector<std::string>{"NOM", "ADJECTIF"}));
    EXPECT_EQ(table.Categories("aimer"), (std::vector<std::string>{"VERBE"}));
    EXPECT_TRUE(table.Categories("\x9A" "ruba").empty());
    EXPECT_FALSE(table.Connu("?ruba"));
    EXPECT_EQ(table.Formes("cheval"), (std::set<std::string>{"chevaux"}));
}

TEST_F(Flexions, IndexKeepsFormsThatAreNotHeadwordsOfHeadwordsOnly) {
    std::map<std::string, std::vector<std::string>> index;
    // "belle" is a headword of its own; "maison" is not a headword here.
    table.Indexer({"cheval", "beau", "belle", "aimer", "\x9C" "il"}, index);
    EXPECT_EQ(index["chevaux"], std::vector<std::string>{"cheval"});
    EXPECT_EQ(index["belles"], std::vector<std::string>{"beau"});
    EXPECT_EQ(index["yeux"], std::vector<std::string>{"\x9C" "il"});
    EXPECT_EQ(index["aimions"], std::vector<std::string>{"aimer"});
    EXPECT_EQ(index["aim\xE8rent"], std::vector<std::string>{"aimer"});
    EXPECT_EQ(index.count("belle"), 0u);
    EXPECT_EQ(index.count("maisons"), 0u);
    EXPECT_EQ(index.count("cheval"), 0u);
    EXPECT_EQ(index.count("\x9C" "ils"), 0u);  // the plural by rule gives way to yeux
}

TEST_F(Flexions, OtherSpellingOfAHeadwordAndPluralOnlyWords) {
    std::map<std::string, std::vector<std::string>> index;
    table.Indexer({"oeil"}, index, {{"\x9C" "il", "oeil"}});
    EXPECT_EQ(index["yeux"], std::vector<std::string>{"oeil"});
    EXPECT_EQ(index["\x9C" "il"], std::vector<std::string>{"oeil"});
    EXPECT_EQ(index.count("oeil"), 0u);
    EXPECT_EQ(index["\x9C" "ils"], std::vector<std::string>{});  // never made: yeux only
    EXPECT_TRUE(table.PlurielSeulement("yeux"));
    EXPECT_EQ(table.Texte("yeux", "NOM", "masculin"), "");
    EXPECT_EQ(SansLigatures("c\x9C" "urs, c\xE6" "cum"), "coeurs, caecum");
    EXPECT_FALSE(table.PlurielSeulement("cheval"));
    EXPECT_FALSE(table.PlurielSeulement("bras"));  // invariable: singular too
    EXPECT_FALSE(table.PlurielSeulement("inconnu"));
}

TEST(CleCategorie, FoldsCaseAndAccentsAndKeepsTheFirstWord) {
    EXPECT_EQ(CleCategorie("Nom"), "NOM");
    EXPECT_EQ(CleCategorie("PR\xC9POSITION"), "PREPOSITION");
    EXPECT_EQ(CleCategorie("Preposition"), "PREPOSITION");
    EXPECT_EQ(CleCategorie("NOM ET ADJECTIF"), "NOM");
    EXPECT_EQ(CleCategorie(""), "");
}

}  // namespace
