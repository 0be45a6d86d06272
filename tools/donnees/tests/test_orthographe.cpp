#include <gtest/gtest.h>

#include <set>

#include "tools/donnees/Flexions.h"
#include "tools/donnees/GraphieModerne.h"
#include "tools/donnees/Hunspell.h"
#include "tools/donnees/MotsGrammaticaux.h"
#include "tools/donnees/MotsModernes.h"
#include "tools/donnees/MotsSansArticle.h"

// Today's spelling of the Littré's headwords, the grammatical words' forms
// and the words no source defines, on made-up miniatures of the sources.
namespace {

Article Littre(const std::string& mot, const std::string& categorie, std::vector<std::string> definitions = {"D\xE9" "finition."}) {
    Article article;
    article.mot = mot;
    article.categorie = categorie;
    for (const std::string& d : definitions) article.sens.push_back(Sens{d, {}});
    return article;
}

const Article* Trouver(const std::vector<Article>& articles, const std::string& mot) {
    for (const Article& a : articles)
        if (a.mot == mot) return &a;
    return nullptr;
}

// A miniature of the French spelling dictionary: plurals, a verb's infinitive,
// imperfect subjunctive and past participle. UTF-8, as the real files.
const char* const Aff =
    "SET UTF-8\nFLAG long\nNEEDAFFIX ()\n"
    "SFX S. Y 2\nSFX S. 0 0 [^sxz] is:sg\nSFX S. 0 s [^sxz] is:pl\n"
    "SFX F. Y 4\nSFX F. 0 0 [^e] is:mas is:sg\nSFX F. 0 s [^e] is:mas is:pl\n"
    "SFX F. r se eur is:fem is:sg\nSFX F. r ses eur is:fem is:pl\n"
    "SFX a0 Y 3\nSFX a0 er er er po:infi\nSFX a0 er \xC3\xA2t er po:simp po:3sg\n"
    "SFX a0 er \xC3\xA9 er po:ppas is:mas is:sg\n";

DictionnaireHunspell Hunspell(const std::string& dic) {
    DictionnaireHunspell d;
    EXPECT_TRUE(d.LireAffixes(Aff));
    EXPECT_TRUE(d.LireEntrees(dic));
    return d;
}

const char* const DicGraphies =
    "14\n"
    "c\xC5\x93ur/S.() po:nom is:mas\n"
    "si\xC3\xA8ge/S.() po:nom is:mas\n"
    "po\xC3\xA8me/S.() po:nom is:mas\n"
    "po\xC3\xA8te/S.() po:nom is:mas\n"
    "contrepoison/S.() po:nom is:mas\n"
    "coefficient/S.() po:nom is:mas\n"
    "moelle/S.() po:nom is:fem\n"
    "branchie/S.() po:nom is:fem\n"
    "articuler/a0() po:v1\n"
    "charit\xC3\xA9/S.() po:nom is:fem\n"
    "anti po:adj\n"
    "p\xC3\xA9" "cher/a0() po:v1\n"
    "p\xC3\xAA" "cher/a0() po:v1\n"
    "kal\xC3\xA9idoscope/S.() po:nom is:mas\n";

TEST(GraphieModerne, KeysIgnoreLigaturesAccentsDiaeresesAndHyphens) {
    EXPECT_EQ(CleGraphie("c\x9C" "ur"), "coeur");
    EXPECT_EQ(CleGraphie("kal\xE9\xEF" "doscope"), "kaleidoscope");
    EXPECT_EQ(CleGraphie("contre-poison"), "contrepoison");
    EXPECT_EQ(CleGraphie("\xC6" "gyptien"), "AEgyptien");  // case is kept: proper names stay apart
    EXPECT_TRUE(AutreGraphie("surement", "s\xFBrement"));
    EXPECT_FALSE(AutreGraphie("charites", "charit\xE9s"));  // the last letter makes another word
    EXPECT_FALSE(AutreGraphie("mot", "mot"));
}

TEST(GraphieModerne, KindsOfChange) {
    struct Cas {
        const char* ancienne;
        const char* moderne;
        bool ligature, accent, trema, trait;
    };
    const Cas cas[] = {
        {"oeuvre", "\x9C" "uvre", true, false, false, false},
        {"si\xE9ge", "si\xE8ge", false, true, false, false},
        {"po\xEBme", "po\xE8me", false, false, true, false},
        {"kal\xE9\xEF" "doscope", "kal\xE9idoscope", false, false, true, false},
        {"contre-poison", "contrepoison", false, false, false, true},
        {"chef-d'oeuvre", "chef-d'\x9C" "uvre", true, false, false, false},
        {"ex-aequo", "ex\xE6quo", true, false, false, true},
    };
    for (const Cas& c : cas) {
        const GenresChangement g = ComparerGraphies(c.ancienne, c.moderne);
        EXPECT_EQ(g.ligature, c.ligature) << c.ancienne;
        EXPECT_EQ(g.accent, c.accent) << c.ancienne;
        EXPECT_EQ(g.trema, c.trema) << c.ancienne;
        EXPECT_EQ(g.trait, c.trait) << c.ancienne;
    }
}

TEST(GraphieModerne, KnownSpellingsAndTheirUses) {
    const GraphiesConnues connues = GraphiesHunspell(Hunspell(DicGraphies));
    EXPECT_EQ(connues.at("c\x9C" "ur"), unsigned(EmploiLemme | EmploiNom));
    EXPECT_EQ(connues.at("c\x9C" "urs"), 0u);  // known, but a plural is no headword's spelling
    EXPECT_EQ(connues.at("articul\xE2t"), 0u);
    EXPECT_EQ(connues.at("articul\xE9"), unsigned(EmploiParticipe));
    EXPECT_EQ(connues.at("articuler"), unsigned(EmploiLemme | EmploiVerbe));
    EXPECT_EQ(connues.count("coeur"), 0u);
}

TEST(GraphieModerne, HeadwordsTakeTodaysSpellingWhereTheRuleHolds) {
    Article coeur = Littre("coeur", "NOM", {"Le coeur bat. Coeurs bris\xE9s. Un \xE9" "coeurement."});
    coeur.sens[0].exemples = {"Avoir du coeur."};
    coeur.etymologie = "Provenc. coer, cor.";
    std::vector<Article> articles = {
        coeur,
        Littre("si\xE9ge", "NOM"),
        Littre("po\xEBme", "NOM"),
        Littre("contre-poison", "NOM"),
        Littre("coefficient", "NOM"),      // known as it is: its "oe" is no ligature
        Littre("moelle", "NOM"),
        Littre("branchi\xE9", "ADJECTIF"),  // "branchie" is a noun, another word
        Littre("articulat", "NOM"),        // "articul\xE2t" is only a verb form
        Littre("charite", "NOM"),          // "charit\xE9": the last letter makes another word
        Littre("anti-", ""),               // an affix keeps its hyphen
        Littre("pecher", "VERBE"),         // p\xE9" "cher or p\xEA" "cher: which one, nobody can say
        Littre("po\xEBte", "NOM"),         // "po\xE8te" has an article of its own
        Littre("po\xE8te", "NOM"),
        Littre("kal\xE9\xEF" "doscope", "NOM"),
        Littre("kal\xE9\xEF" "doscope", ""),  // a homograph follows its twin
    };
    const BilanGraphies bilan = ModerniserGraphies(articles, GraphiesHunspell(Hunspell(DicGraphies)));

    const std::map<std::string, std::string> attendues = {
        {"coeur", "c\x9C" "ur"}, {"si\xE9ge", "si\xE8ge"}, {"po\xEBme", "po\xE8me"},
        {"contre-poison", "contrepoison"}, {"kal\xE9\xEF" "doscope", "kal\xE9idoscope"}};
    EXPECT_EQ(bilan.anciennes, attendues);
    EXPECT_EQ(bilan.vedettes, 5u);
    EXPECT_EQ(bilan.ligatures, 1u);
    EXPECT_EQ(bilan.accents, 1u);
    EXPECT_EQ(bilan.tremas, 2u);
    EXPECT_EQ(bilan.traits, 1u);
    EXPECT_EQ(bilan.ambigus, 1u);

    const std::vector<std::string> restees = {"coefficient", "moelle",  "branchi\xE9", "articulat", "charite",
                                              "anti-",       "pecher", "po\xEBte",   "po\xE8te"};
    for (const std::string& mot : restees) EXPECT_NE(Trouver(articles, mot), nullptr) << mot;
    EXPECT_EQ(articles[0].mot, "c\x9C" "ur");
    // The word itself, capitalised or plural, in the article's own text; not inside another word.
    EXPECT_EQ(articles[0].sens[0].definition, "Le c\x9C" "ur bat. C\x9C" "urs bris\xE9s. Un \xE9" "coeurement.");
    EXPECT_EQ(articles[0].sens[0].exemples[0], "Avoir du c\x9C" "ur.");
    EXPECT_EQ(articles[0].etymologie, "Provenc. coer, cor.");  // old forms quoted as they were written
    EXPECT_EQ(articles[13].mot, articles[14].mot);
}

TEST(GraphieModerne, OldSpellingsLeadToTheHeadwordFirst) {
    BilanGraphies bilan;
    bilan.anciennes = {{"si\xE9ge", "si\xE8ge"}, {"coeur", "c\x9C" "ur"}};
    const std::vector<Article> articles = {Littre("si\xE8ge", "NOM"), Littre("c\x9C" "ur", "NOM"),
                                           Littre("\x9C" "nologue", "NOM"), Littre("moelle", "NOM"),
                                           Littre("m\x9C" "lle", "NOM")};
    std::map<std::string, std::vector<std::string>> index = {{"si\xE9ge", {"si\xE9ger", "si\xE8ge"}},
                                                             {"c\x9C" "urs", {"c\x9C" "ur"}},
                                                             {"\x9C" "nologues", {"\x9C" "nologue"}},
                                                             {"oenologues", {"autre"}}};
    IndexerAnciennesGraphies(bilan, articles, index);
    EXPECT_EQ(index["si\xE9ge"], (std::vector<std::string>{"si\xE8ge", "si\xE9ger"}));
    EXPECT_EQ(index["coeur"], (std::vector<std::string>{"c\x9C" "ur"}));
    // Typed without the ligature: headwords and their forms.
    EXPECT_EQ(index["coeurs"], (std::vector<std::string>{"c\x9C" "ur"}));
    EXPECT_EQ(index["oenologue"], (std::vector<std::string>{"\x9C" "nologue"}));
    EXPECT_EQ(index["oenologues"], (std::vector<std::string>{"autre"}));  // an entry of its own is kept
    EXPECT_EQ(index.count("moelle"), 0u);  // a headword finds itself
}

TEST(MotsGrammaticaux, TableIsConsistent) {
    std::set<std::string> formes;
    for (const FormeGrammaticale& f : TableMotsGrammaticaux()) {
        EXPECT_NE(std::string(f.forme), f.vedette);
        EXPECT_TRUE(formes.insert(f.forme).second) << "listed twice: " << f.forme;
    }
    EXPECT_TRUE(EstFormeGrammaticale("ils"));
    EXPECT_TRUE(EstFormeGrammaticale("lesquelles"));
    EXPECT_FALSE(EstFormeGrammaticale("il"));
}

TEST(MotsGrammaticaux, FormsAndLocutionWordsLeadToTheirHeadwords) {
    const std::vector<Article> articles = {
        Littre("il", "PRONOM"),    Littre("tout", "ADJECTIF"), Littre("ceux", ""),
        Littre("celle", ""),       Littre("celui", "PRONOM"), Littre("parce que", "LOCUTION"),
        Littre("tant que", ""),    Littre("tant", "ADVERBE"), Littre("quant \xE0", ""),
        Littre("au", ""),          Littre("au jour le jour", ""), Littre("a posteriori", ""),
        Littre("a priori", ""),    Littre("priori", ""),
    };
    std::map<std::string, std::vector<std::string>> index = {{"tous", {"tousser"}}, {"quant", {"quanti\xE8me"}}};
    const BilanMotsGrammaticaux bilan = IndexerMotsGrammaticaux(articles, index);

    EXPECT_EQ(index["ils"], (std::vector<std::string>{"il"}));
    EXPECT_EQ(index["tous"], (std::vector<std::string>{"tout", "tousser"}));
    EXPECT_EQ(index["toute"], (std::vector<std::string>{"tout"}));
    EXPECT_EQ(index["toutes"], (std::vector<std::string>{"tout"}));
    EXPECT_EQ(index["celles"], (std::vector<std::string>{"celle"}));
    EXPECT_EQ(index["aux"], (std::vector<std::string>{"au"}));
    EXPECT_EQ(index["parce"], (std::vector<std::string>{"parce que"}));
    EXPECT_EQ(index["que"], (std::vector<std::string>{"parce que", "tant que"}));
    EXPECT_EQ(index["posteriori"], (std::vector<std::string>{"a posteriori"}));
    EXPECT_EQ(index["a"], (std::vector<std::string>{"a posteriori", "a priori"}));
    EXPECT_EQ(index["jour"], (std::vector<std::string>{"au jour le jour"}));
    EXPECT_EQ(index["quant"], (std::vector<std::string>{"quanti\xE8me"}));  // an entry of its own is kept
    EXPECT_EQ(index.count("elles"), 0u);  // "elle" has no article here
    EXPECT_EQ(index.count("ceux"), 0u);   // a headword finds itself
    EXPECT_EQ(index.count("tant"), 0u);
    EXPECT_EQ(index.count("au"), 0u);
    EXPECT_EQ(index.count("priori"), 0u);
    EXPECT_EQ(bilan.formes, 6u);
    EXPECT_EQ(index["\xE0"], (std::vector<std::string>{"quant \xE0"}));
    EXPECT_EQ(bilan.motsDeLocutions, 7u);  // parce, que, posteriori, a, jour, le, \xE0
}

const char* const DicMots =
    "17\n"
    "volt/Um() po:nom is:mas\n"
    "vingt-trois po:nb\n"
    "b\xC3\xA9sicles po:nom is:fem is:pl\n"
    "cous-de-pied po:nom is:mas is:pl\n"
    "hommes-grenouilles po:nom is:mas is:pl\n"
    "football/S.() po:nom is:mas\n"
    "footballeur/F.() po:nom\n"
    "footballeuse/S.() po:nom is:fem\n"
    "Paris po:npr\n"
    "km/||-- po:nom is:mas is:inv\n"
    "ils po:mg po:propersuj po:3pe is:mas is:pl\n"
    "chien/S.() po:nom is:mas\n"
    "surement po:adv\n"
    "parce po:mg po:loc.cj\n"
    "internet/S.() po:nom is:mas\n"
    "zut po:interj\n"
    "ordi/S.() po:nom is:mas\n";

TEST(MotsSansArticle, EveryCommonWordWithoutArticleGetsOne) {
    const DictionnaireHunspell hunspell = Hunspell(DicMots);
    TableFlexions flexions;
    flexions.AjouterHunspell(hunspell);
    GroupeSynonymes nom{{"NOM"}, {"ordinateur", "calculateur"}};
    GroupeSynonymes verbe{{"VERBE"}, {"commander"}};
    const std::vector<EntreeThesaurus> thesaurus = {{"ordi", {nom, verbe}}};
    const std::vector<Article> existants = {Littre("chien", "NOM"), Littre("s\xFBrement", "ADVERBE"),
                                            Littre("cou-de-pied", "NOM")};

    const AjoutsMotsSansArticle ajouts = ArticlesMotsSansArticle(hunspell, flexions, thesaurus, existants, {});

    std::vector<std::string> mots;
    for (const Article& a : ajouts.articles) mots.push_back(a.mot);
    EXPECT_EQ(mots, (std::vector<std::string>{"volt", "vingt-trois", "football", "footballeur", "internet", "zut", "ordi",
                                              "b\xE9sicles", "hommes-grenouilles"}));
    EXPECT_EQ(Trouver(ajouts.articles, "vingt-trois")->categorie, "ADJECTIF NUM\xC9RAL");
    EXPECT_EQ(Trouver(ajouts.articles, "b\xE9sicles")->attributs.at(CleGenre), "f\xE9minin");
    EXPECT_EQ(Trouver(ajouts.articles, "volt")->attributs.at(CleGenre), "masculin");
    const Article& football = *Trouver(ajouts.articles, "football");
    EXPECT_EQ(football.categorie, "NOM");
    EXPECT_EQ(football.attributs.at(CleGenre), "masculin");
    ASSERT_EQ(football.sens.size(), 1u);
    EXPECT_EQ(football.sens[0].definition, SensMotSansArticle);
    EXPECT_NE(football.sens[0].definition.find("Littr\xE9 (1872\x96" "1877)"), std::string::npos);
    EXPECT_TRUE(football.synonymes.empty());
    EXPECT_EQ(Trouver(ajouts.articles, "zut")->categorie, "INTERJECTION");
    const Article& ordi = *Trouver(ajouts.articles, "ordi");
    EXPECT_NE(ordi.synonymes.find("ordinateur, calculateur"), std::string::npos);
    EXPECT_EQ(ordi.synonymes.find("commander"), std::string::npos);  // the verb's group is not the noun's
    // Another spelling, and a compound's plural listed as a word of its own,
    // lead to their headword; a plural whose singular has no article gets one.
    EXPECT_EQ(ajouts.variantes, (std::map<std::string, std::string>{{"surement", "s\xFBrement"},
                                                                     {"cous-de-pied", "cou-de-pied"}}));
}

TEST(MotsSansArticle, OtherSpellingsOfAHeadwordOfAnotherCategoryGetTheirOwnArticle) {
    const DictionnaireHunspell hunspell = Hunspell("1\nsurement po:adv\n");
    TableFlexions flexions;
    flexions.AjouterHunspell(hunspell);
    const AjoutsMotsSansArticle ajouts =
        ArticlesMotsSansArticle(hunspell, flexions, {}, {Littre("s\xFBrement", "NOM")}, {});
    EXPECT_TRUE(ajouts.variantes.empty());
    ASSERT_EQ(ajouts.articles.size(), 1u);
    EXPECT_EQ(ajouts.articles[0].categorie, "ADVERBE");
}

}  // namespace
