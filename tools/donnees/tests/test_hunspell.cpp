#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tools/donnees/Hunspell.h"

namespace {

std::set<std::string> Formes(const DictionnaireHunspell& d, std::size_t entree, bool avecPrefixes = false) {
    std::set<std::string> formes;
    for (const FormeHunspell& f : d.Developper(d.Entrees().at(entree), avecPrefixes)) formes.insert(EnUtf8(f.forme));
    return formes;
}

std::string Morphologie(const DictionnaireHunspell& d, std::size_t entree, const std::string& forme) {
    for (const FormeHunspell& f : d.Developper(d.Entrees().at(entree), false))
        if (EnUtf8(f.forme) == forme) return f.morphologie;
    return "<absente>";
}

const char* const AffNoms =
    "# plurals\n"
    "SET UTF-8\n"
    "FLAG long\n"
    "NEEDAFFIX ()\n"
    "\n"
    "SFX S. Y 2\n"
    "SFX S. 0 0 [^sxz] is:sg\n"
    "SFX S. 0 s [^sxz] is:pl\n"
    "\n"
    "SFX X. Y 4\n"
    "SFX X. 0 0 [ul] is:sg\n"
    "SFX X. 0 x [aeoœ]u is:pl\n"
    "SFX X. l ux al is:pl\n"
    "SFX X. il ux ail is:pl!\n";

TEST(Hunspell, SuffixesWithConditionsStripAndNeedAffix) {
    DictionnaireHunspell d;
    ASSERT_TRUE(d.LireAffixes(AffNoms));
    ASSERT_TRUE(d.LireEntrees("5\nmaison/S.() po:nom is:fem\ncheval/X.() po:nom is:mas\n"
                              "bras/S. po:nom\ntravail/X.()\tpo:nom\nbijou/X.() po:nom\n"));
    ASSERT_EQ(d.Entrees().size(), 5u);
    EXPECT_EQ(Formes(d, 0), (std::set<std::string>{"maison", "maisons"}));
    EXPECT_EQ(Formes(d, 1), (std::set<std::string>{"cheval", "chevaux"}));
    // No rule's condition accepts a final s; the entry needs no affix, so it stands alone.
    EXPECT_EQ(Formes(d, 2), (std::set<std::string>{"bras"}));
    // "travail" ends in "ail" and in "l": both the plural rule and "0 0 [ul]" apply.
    EXPECT_EQ(Formes(d, 3), (std::set<std::string>{"travail", "travaux"}));
    EXPECT_EQ(Formes(d, 4), (std::set<std::string>{"bijou", "bijoux"}));
    EXPECT_EQ(Morphologie(d, 0, "maisons"), "po:nom is:fem is:pl");
    EXPECT_EQ(Morphologie(d, 3, "travaux"), "po:nom is:pl!");
}

TEST(Hunspell, NeedAffixRootIsNotAFormOfItself) {
    DictionnaireHunspell d;
    ASSERT_TRUE(d.LireAffixes(AffNoms));
    // "gaz" takes no rule of S. and needs an affix: no form at all.
    ASSERT_TRUE(d.LireEntrees("2\ngaz/S.() po:nom\nchat/S. po:nom\n"));
    EXPECT_TRUE(Formes(d, 0).empty());
    EXPECT_EQ(d.Developper(d.Entrees()[1], false).size(), 3u);  // chat itself, chat (is:sg), chats
}

TEST(Hunspell, PrefixesAndCrossProduct) {
    DictionnaireHunspell d;
    ASSERT_TRUE(d.LireAffixes("PFX A Y 1\nPFX A 0 re .\n"
                              "PFX B N 1\nPFX B 0 d\xC3\xA9 [^aeiou]\n"
                              "SFX C Y 2\nSFX C er ons er\nSFX C er ez [^i]er\n"
                              "SFX D N 1\nSFX D er ant er\n"));
    ASSERT_TRUE(d.LireEntrees("2\nlier/ABCD\naimer/B\n"));
    EXPECT_EQ(Formes(d, 0, false), (std::set<std::string>{"lier", "lions", "liant"}));
    // re- combines with -ons (both cross products), dé- (N) and -ant (N) combine with nothing.
    EXPECT_EQ(Formes(d, 0, true), (std::set<std::string>{"lier", "lions", "liant", "relier", "d\xC3\xA9lier",
                                                         "relions"}));
    // dé- requires a consonant first: "aimer" takes nothing.
    EXPECT_EQ(Formes(d, 1, true), (std::set<std::string>{"aimer"}));
}

TEST(Hunspell, ContinuationClassesGiveASecondSuffix) {
    DictionnaireHunspell d;
    ASSERT_TRUE(d.LireAffixes("SFX P Y 1\nSFX P er \xC3\xA9/F er po:ppas\n"
                              "SFX F Y 2\nSFX F 0 e . is:fem\nSFX F 0 s . is:pl\n"));
    ASSERT_TRUE(d.LireEntrees("1\nchanter/P po:v1\n"));
    EXPECT_EQ(Formes(d, 0), (std::set<std::string>{"chanter", "chant\xC3\xA9", "chant\xC3\xA9" "e",
                                                  "chant\xC3\xA9s"}));
    EXPECT_EQ(Morphologie(d, 0, "chant\xC3\xA9" "e"), "po:v1 po:ppas is:fem");
}

TEST(Hunspell, NumericFlagsAliasesAndMorphologyAliases) {
    DictionnaireHunspell d;
    ASSERT_TRUE(d.LireAffixes("FLAG num\nAF 2\nAF 101,102\nAF 103\nAM 1\nAM po:nom is:mas\n"
                              "SFX 101 Y 1\nSFX 101 0 s [^s]\n"
                              "SFX 102 Y 1\nSFX 102 0 on [^s]\n"
                              "SFX 103 Y 1\nSFX 103 0 x u\n"));
    ASSERT_TRUE(d.LireEntrees("2\nchat/1 1\ncaillou/2\n"));
    EXPECT_EQ(Formes(d, 0), (std::set<std::string>{"chat", "chats", "chaton"}));
    EXPECT_EQ(d.Entrees()[0].morphologie, "po:nom is:mas");
    EXPECT_EQ(Formes(d, 1), (std::set<std::string>{"caillou", "cailloux"}));
}

TEST(Hunspell, AliasNumbersThatNameNoAliasGiveNothing) {
    // 0, one past the last alias, and numbers too large for any integer.
    for (const std::string nombre : {"0", "3", "18446744073709551616", "99999999999999999999999999"}) {
        SCOPED_TRACE(nombre);
        DictionnaireHunspell d;
        ASSERT_TRUE(d.LireAffixes("FLAG num\nAF 2\nAF 101\nAF 102\nAM 2\nAM po:nom\nAM is:pl\n"
                                  "SFX 101 Y 1\nSFX 101 0 s/" + nombre + " . " + nombre + "\n"
                                  "SFX 102 Y 1\nSFX 102 0 x .\n"));
        ASSERT_TRUE(d.LireEntrees("2\nchat/1 " + nombre + "\nchien/" + nombre + " 1\n"));
        ASSERT_EQ(d.Entrees().size(), 2u);
        EXPECT_EQ(d.Entrees()[0].morphologie, "");
        EXPECT_EQ(Formes(d, 0), (std::set<std::string>{"chat", "chats"}));
        EXPECT_EQ(Morphologie(d, 0, "chats"), "");
        EXPECT_TRUE(d.Entrees()[1].drapeaux.empty());
        EXPECT_EQ(d.Entrees()[1].morphologie, "po:nom");
    }
}

TEST(Hunspell, LatinEncodingAndUtf8Flags) {
    DictionnaireHunspell latin;
    ASSERT_TRUE(latin.LireAffixes("SET ISO8859-1\nSFX A Y 1\nSFX A 0 s .\n"));
    ASSERT_TRUE(latin.LireEntrees("1\n\xE9t\xE9/A\n"));
    EXPECT_EQ(latin.Entrees()[0].mot, U"\u00E9t\u00E9");
    EXPECT_EQ(Formes(latin, 0), (std::set<std::string>{"\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9s"}));

    DictionnaireHunspell utf8;
    ASSERT_TRUE(utf8.LireAffixes("SET UTF-8\nFLAG UTF-8\nSFX \xC3\xA9 Y 1\nSFX \xC3\xA9 0 s .\n"));
    ASSERT_TRUE(utf8.LireEntrees("1\nmot/\xC3\xA9\n"));
    EXPECT_EQ(Formes(utf8, 0), (std::set<std::string>{"mot", "mots"}));
}

TEST(Hunspell, MalformedInputIsRefused) {
    DictionnaireHunspell d;
    EXPECT_FALSE(d.LireAffixes(""));
    EXPECT_FALSE(d.LireAffixes("SFX A X 1\n"));  // neither Y nor N
    EXPECT_FALSE(d.LireAffixes("SFX A Y 1\nPFX A 0 re .\n"));  // a suffix class continued as a prefix
    ASSERT_TRUE(d.LireAffixes("SFX A Y 1\nSFX A 0 s .\n"));
    EXPECT_FALSE(d.LireEntrees("0\n"));
    // A rule whose strip is longer than the word, or absent from its end, gives nothing.
    ASSERT_TRUE(d.LireAffixes("SFX A Y 2\nSFX A oiseau x .\nSFX A er ons .\n"));
    ASSERT_TRUE(d.LireEntrees("1\neau/A\n"));
    EXPECT_EQ(Formes(d, 0), (std::set<std::string>{"eau"}));
}

TEST(Hunspell, MorphologicalFields) {
    EXPECT_EQ(ChampsMorphologiques("po:v1 po:ipsi po:3pl! is:mas", "po"),
              (std::vector<std::string>{"v1", "ipsi", "3pl"}));
    EXPECT_EQ(ChampsMorphologiques("po:nom st:arc-en-ciel", "st"), (std::vector<std::string>{"arc-en-ciel"}));
    EXPECT_TRUE(ChampsMorphologiques("pos:nom", "po").empty());
}

}  // namespace
