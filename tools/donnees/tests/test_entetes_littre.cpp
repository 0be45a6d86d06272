// The faults a reader saw on the first articles he opened, as the Littré
// writes them: the category is the head's first abbreviation, a long
// pronunciation remark leaves the category line, the uses the senses
// announce join the category, and nothing stray survives around a headword
// or a sense.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/donnees/ArticleLittre.h"
#include "tools/donnees/CategoriesLittre.h"
#include "tools/donnees/NomsLittre.h"

namespace {
std::string Attribut(const EnTeteLittre& entete, const char* cle) {
    const auto trouve = entete.attributs.find(cle);
    return trouve == entete.attributs.end() ? "" : trouve->second;
}

std::string Attribut(const Article& article, const char* cle) {
    const auto trouve = article.attributs.find(cle);
    return trouve == article.attributs.end() ? "" : trouve->second;
}

EntreeLittre Nom(const char* mot) {
    EntreeLittre nom;
    nom.mot = mot;
    return nom;
}

std::vector<std::string> Definitions(const Article& article) {
    std::vector<std::string> definitions;
    for (const Sens& sens : article.sens) definitions.push_back(sens.definition);
    return definitions;
}
}  // namespace

// What follows the category is the Littré's comment, and may name another
// category in passing: "le pronom je", "sans article", "s. f. (la femelle)".
TEST(EnTetesLittre, LaPremiereAbreviationEstLaCategorie) {
    struct Cas {
        const char* entete;
        const char* categorie;
        const char* genre;
        const char* emploi;
        const char* remarque;
    } const cas[] = {
        {"(pou-voir), v. n., je peux ou je puis ; quand le pronom je suit le verbe, on dit mieux puis-je",
         "VERBE", "", "intransitif", "je peux ou je puis ; quand le pronom je suit le verbe, on dit mieux puis-je"},
        {"(b\xF4-kou) s. m. pris toujours sans article.", "NOM", "masculin", "", "pris toujours sans article."},
        {"(chiin, chi\xE8n') s. m. (le m\xE2le), s. f. (la femelle)", "NOM", "masculin", "",
         "(le m\xE2le), s. f. (la femelle)"},
        {"(gr\xE9-k) adj. et s. m.", "ADJECTIF ET NOM", "masculin", "", ""},
    };
    for (const Cas& c : cas) {
        const EnTeteLittre entete = AnalyserEnTete(c.entete);
        EXPECT_EQ(entete.categorie, c.categorie) << c.entete;
        EXPECT_EQ(Attribut(entete, ATTRIBUT_GENRE), c.genre) << c.entete;
        EXPECT_EQ(Attribut(entete, ATTRIBUT_EMPLOI), c.emploi) << c.entete;
        EXPECT_EQ(Attribut(entete, ATTRIBUT_REMARQUE), c.remarque) << c.entete;
    }
}

TEST(EnTetesLittre, LesLonguesRemarquesDePrononciationQuittentLaLigne) {
    struct Cas {
        const char* entete;
        const char* prononciation;
        const char* note;
        const char* categorie;
    } const cas[] = {
        // Long: the transcription before the first ";" stays.
        {"(b\xF4-kou ; le p peut se lier, et il se lie toujours dans le parler soutenu, devant une voyelle) s. m.",
         "(b\xF4-kou)", "Le p peut se lier, et il se lie toujours dans le parler soutenu, devant une voyelle.", "NOM"},
        // Long: the transcription is the first sentence.
        {"(a-voi. Au XVIe s. on \xE9\x63rivait aurai, auras, etc. mais on pronon\xE7\x61it arai, aras) v. a.",
         "(a-voi)", "Au XVIe s. on \xE9\x63rivait aurai, auras, etc. mais on pronon\xE7\x61it arai, aras.", "VERBE"},
        // Short: a transcription with its liaison note stays whole.
        {"(tr\xEA ; l's se lie : tr\xEA-z heureux) adv.", "(tr\xEA ; l's se lie : tr\xEA-z heureux)", "", "ADVERBE"},
        // Long but without a place to cut: it stays.
        {"(a-b\xE8-seur, ou, suivant la prononciation de quelques-uns, a-b\xE9-seur) s. m.",
         "(a-b\xE8-seur, ou, suivant la prononciation de quelques-uns, a-b\xE9-seur)", "", "NOM"},
        // Parentheses inside the pronunciation do not end it.
        {"(ti-gr' (le m\xE2le) et ti-gr\xE8s' (la femelle)) s. m. et s. f.",
         "(ti-gr' (le m\xE2le) et ti-gr\xE8s' (la femelle))", "", "NOM"},
    };
    for (const Cas& c : cas) {
        const EnTeteLittre entete = AnalyserEnTete(c.entete);
        EXPECT_EQ(Attribut(entete, ATTRIBUT_PRONONCIATION), c.prononciation) << c.entete;
        EXPECT_EQ(entete.notePrononciation, c.note) << c.entete;
        EXPECT_EQ(entete.categorie, c.categorie) << c.entete;
    }
}

TEST(ArticlesLittre, LaNoteDePrononciationDevientLeDernierSens) {
    const Article article = ConvertirArticleLittre(
        "<i><small>(b\xF4-kou ; le p peut se lier, et il se lie toujours dans le parler soutenu, devant une "
        "voyelle) adv.</small></i>\n\n<b>1\xB0</b> Une grande quantit\xE9.\n\n<b>2\xB0</b> De beaucoup.\n",
        Nom("beaucoup"));
    EXPECT_EQ(Attribut(article, ATTRIBUT_PRONONCIATION), "(b\xF4-kou)");
    EXPECT_EQ(Definitions(article),
              (std::vector<std::string>{"Une grande quantit\xE9.", "De beaucoup.",
                                        "Prononciation. Le p peut se lier, et il se lie toujours dans le "
                                        "parler soutenu, devant une voyelle."}));
}

TEST(ArticlesLittre, LesSensAnnoncentLesAutresEmplois) {
    struct Cas {
        const char* corps;
        const char* categorie;
    } const cas[] = {
        {"<i><small>(a-b\xE9-s\xE9-d\xE8-r') adj.</small></i>\n\n<b>1\xB0</b> Qui est rang\xE9 suivant "
         "l'alphabet.\n\n<b>2\xB0</b> S. m. Petit livre o\xF9 s'apprend l'Abc.\n",
         "ADJECTIF ET NOM"},
        {"<i><small>(for) adj.</small></i>\n\n<b>1\xB0</b> Robuste.\n\n<b>2\xB0</b> Adv. Beaucoup.\n",
         "ADJECTIF ET ADVERBE"},
        {"<i><small>(kap-teur) adj.</small></i>\n    Un vaisseau capteur ou, substantivement, un capteur.\n",
         "ADJECTIF ET NOM"},
        {"<i><small>(tou) adj.</small></i>\n\n<b>1\xB0</b> Chaque.\n\n<b>2\xB0</b> S. m. Le tout.\n\n"
         "<b>3\xB0</b> Adv. Tout \xE0 fait.\n",
         "ADJECTIF, NOM ET ADVERBE"},
        // A use already named is not repeated, and a sense that merely begins
        // with a capital is no announcement.
        {"<i><small>(m\xEA-zon) s. f.</small></i>\n\n<b>1\xB0</b> B\xE2timent.\n\n<b>2\xB0</b> S. f. pl. "
         "Les maisons.\n\n<b>3\xB0</b> Maison royale.\n",
         "NOM"},
        // A verb stays "VERBE", the category that opens its conjugation.
        {"<i><small>(sa-voir) v. a.</small></i>\n\n<b>1\xB0</b> Conna\xEEtre.\n\n<b>2\xB0</b> S. m. Le "
         "savoir.\n",
         "VERBE"},
        // "Substantivement" in a noun's sense says nothing new.
        {"<i><small>(ra-r') s. m.</small></i>\n    Pris substantivement.\n", "NOM"},
    };
    for (const Cas& c : cas) EXPECT_EQ(ConvertirArticleLittre(c.corps, Nom("mot")).categorie, c.categorie) << c.corps;
}

// ÉTÉ: the head's markup closes inside "(voy", whose end stood alone as a sense.
TEST(ArticlesLittre, UneEnTeteCoupeeDansUneParentheseSeRecoud) {
    const Article ete = ConvertirArticleLittre(
        "<i><small>(\xE9-t\xE9) part. pass\xE9 du verbe \xEAtre (voy</small></i>\n    ce mot).", Nom("\xE9t\xE9"));
    EXPECT_EQ(ete.categorie, "PARTICIPE PASS\xC9");
    EXPECT_EQ(Attribut(ete, ATTRIBUT_REMARQUE), "du verbe \xEAtre (voy ce mot)");
    EXPECT_TRUE(ete.sens.empty());

    // The rest of the line after the parenthesis is the first sense.
    const Article sarcocele = ConvertirArticleLittre(
        "<i><small>(sar-ko-s\xE8-l'), s. m. (ou plut\xF4t s. f.</small></i>\n    les noms de cette esp\xE8\x63\x65 "
        "\xE9tant f\xE9minins). Terme de chirurgie. Tumeur.\n",
        Nom("sarcoc\xE8le"));
    EXPECT_EQ(sarcocele.categorie, "NOM");
    EXPECT_EQ(Definitions(sarcocele), (std::vector<std::string>{"Terme de chirurgie. Tumeur."}));
}

TEST(ArticlesLittre, UneParentheseFermeeSansAvoirEteOuverteDisparait) {
    const Article article =
        ConvertirArticleLittre("<i><small>(ka-r\xE9-man) adv.</small></i>\n    Voy. CARR\xC9MENT).\n",
                               Nom("quarr\xE9ment"));
    EXPECT_EQ(Definitions(article), (std::vector<std::string>{"Voy. CARR\xC9MENT."}));
    // Balanced parentheses are left alone.
    const Article equilibre =
        ConvertirArticleLittre("<i><small>(a) s. m.</small></i>\n    Un mot (voy. B).\n", Nom("a"));
    EXPECT_EQ(Definitions(equilibre), (std::vector<std::string>{"Un mot (voy. B)."}));
}

TEST(NomsLittre, RienNEntoureLaVedette) {
    struct Cas {
        const char* nom;
        const char* base;
    } const cas[] = {
        {"- ENT\xCATEUR", "ENT\xCATEUR"},
        {"AH !", "AH"},
        {"B\xC9N\xC9\x44ICTIONNAIRE,", "B\xC9N\xC9\x44ICTIONNAIRE"},
        {"AMPHI...", "AMPHI"},
        {"GARDE....", "GARDE"},
        // The hyphen of a prefix or a suffix is part of it.
        {"ANTI-", "ANTI-"},
        {"-MENT", "-MENT"},
        {"ARC-EN-CIEL", "ARC-EN-CIEL"},
    };
    for (const Cas& c : cas) EXPECT_EQ(AnalyserNomIndex(c.nom).base, c.base) << c.nom;
    EXPECT_EQ(AnalyserNomIndex("- ENT\xCATEUR").cle, "ENTETEUR");
}

// PEINE, CHABLAGE: the markup made a citation of the end of a reference.
TEST(ArticlesLittre, UnRenvoiCoupeParUneCitationSeRecoud) {
    const Article peine = ConvertirArticleLittre(
        "<i><small>(p\xE8-n') s. f.</small></i>\n    \xC0 grand'peine, tr\xE8s difficilement (voy. \n"
        "<span foreground=\"#0000CD\">pour l'apostrophe</span>, <span foreground=\"#B22222\">GRAND</span>, "
        "<span foreground=\"#556B2F\">n\xB0 22).</span>.\n",
        Nom("peine"));
    ASSERT_EQ(peine.sens.size(), 1u);
    EXPECT_EQ(peine.sens[0].definition,
              "\xC0 grand'peine, tr\xE8s difficilement (voy. pour l'apostrophe, GRAND, n\xB0 22).");
    EXPECT_TRUE(peine.sens[0].exemples.empty());

    const Article chablage = ConvertirArticleLittre(
        "<i><small>(cha-bla-j') s. m.</small></i>\n    Le chablage et le billage (voy. \n"
        "<span foreground=\"#0000CD\">ce mot) des bateaux</span>, <span foreground=\"#B22222\">GRANGEZ</span>, "
        "<span foreground=\"#556B2F\">Voies</span>.\n",
        Nom("chablage"));
    ASSERT_EQ(chablage.sens.size(), 1u);
    EXPECT_EQ(chablage.sens[0].definition, "Le chablage et le billage (voy. ce mot)");
    EXPECT_EQ(chablage.sens[0].exemples, (std::vector<std::string>{"des bateaux, GRANGEZ, Voies"}));
}
