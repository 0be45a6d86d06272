#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/donnees/ArticleLittre.h"
#include "tools/donnees/ReparationsSens.h"

namespace {

EntreeLittre Nom(const char* mot) {
    EntreeLittre nom;
    nom.mot = mot;
    return nom;
}

std::string Citation(const std::string& texte) {
    return "<span foreground=\"#0000CD\">" + texte + "</span>, <span foreground=\"#B22222\">AUTEUR</span>, "
           "<span foreground=\"#556B2F\">Livre</span>.\n";
}

std::vector<std::string> Definitions(const Article& article) {
    std::vector<std::string> definitions;
    for (const Sens& sens : article.sens) definitions.push_back(sens.definition);
    return definitions;
}

}  // namespace

TEST(ReparationsSens, LaGloseDuSommaireNeDoublePasLeSens) {
    const struct {
        const char* texte;
        const char* glose;
        const char* attendu;
    } cas[] = {
        // The sense says it in full: the summary's words are not put before it.
        {"Fig. D\xE9penser sans compter.", "D\xE9penser d'une fa\xE7on quelconque.", "Fig. D\xE9penser sans compter."},
        {"Absolument et sans r\xE9gime, prendre des aliments.", "Absolument, prendre des aliments.",
         "Absolument et sans r\xE9gime, prendre des aliments."},
        // A sense with no words of its own takes the gloss.
        {"", "Changer.", "Changer."},
        {"Fig.", "Fig. Attention, int\xE9r\xEAt.", "Fig. Attention, int\xE9r\xEAt."},
        {"Fig.", "Prendre une qualit\xE9.", "Fig. Prendre une qualit\xE9."},
        // A first word that lost letters is mended from the gloss; the rest is the sense's.
        {"mucher et avaler quelque aliment. Manger du pain.", "M\xE2" "cher et avaler quelque aliment.",
         "M\xE2" "cher et avaler quelque aliment. Manger du pain."},
        // Another first word is another wording, not a lost letter.
        {"Particuli\xE8rement en parlant des relations amoureuses.", "L'\xE2me, en parlant des relations amoureuses.",
         "Particuli\xE8rement en parlant des relations amoureuses."},
    };
    for (const auto& c : cas) EXPECT_EQ(TexteAvecGlose(c.texte, c.glose), c.attendu) << c.texte;
}

TEST(ReparationsSens, SensCollesSepares) {
    const struct {
        const char* texte;
        std::vector<std::string> attendus;
    } cas[] = {
        {"Rien n'a r\xE9ussi.La chose s'en va faite, elle est achev\xE9" "e.",
         {"Rien n'a r\xE9ussi.", "La chose s'en va faite, elle est achev\xE9" "e."}},
        {"Poisson d'eau douce.Famili\xE8rement, marin d'eau douce.S'EN ALLER, partir.",
         {"Poisson d'eau douce.", "Famili\xE8rement, marin d'eau douce.", "S'EN ALLER, partir."}},
        // What is left of a lost title goes.
        {"Les arts cherchent \xE0 se conformer.TORIQUE :", {"Les arts cherchent \xE0 se conformer."}},
        // Abbreviations, initials and a blank after the stop are no joins.
        {"Voy. MAISON. M. de Jouarre.", {"Voy. MAISON. M. de Jouarre."}},
        {"Du lat. mansio (voy.Manoir).", {"Du lat. mansio (voy.Manoir)."}},
        {"J.-J. Rousseau l'a dit.", {"J.-J. Rousseau l'a dit."}},
    };
    for (const auto& c : cas) EXPECT_EQ(SensDecolles(c.texte), c.attendus) << c.texte;
}

TEST(ReparationsSens, TitreEnClairEtPonctuationPendante) {
    EXPECT_EQ(EnTeteEnClair("GR\xCA" "LANT, ANTE (gr\xEA-lan, lan-t'), adj. O\xF9 il gr\xEAle."),
              "Gr\xEAlant, ante, adj. O\xF9 il gr\xEAle.");
    EXPECT_EQ(EnTeteEnClair("ABC, nom donn\xE9 (voy. A)."), "ABC, nom donn\xE9 (voy. A).");
    EXPECT_EQ(EnTeteEnClair("Terme de marine (vieux), sens."), "Terme de marine (vieux), sens.");

    const struct {
        const char* texte;
        const char* attendu;
    } cas[] = {
        {"Du grec , temps de loisir.", "Du grec, temps de loisir."},
        {"Du grec ( ), temps de loisir.", "Du grec, temps de loisir."},
        {"Du latin schola () .", "Du latin schola."},
        {"Il dit .... puis se tut .", "Il dit .... puis se tut."},
        {"Rien \xE0 changer ; ni : ici !", "Rien \xE0 changer ; ni : ici !"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(SansPonctuationPendante(c.texte), c.attendu) << c.texte;
        EXPECT_EQ(PonctuationPendante(c.texte), std::string(c.texte) != c.attendu) << c.texte;
    }
}

// The same rules on a whole made-up entry: a long entry's table of senses,
// a sense the source says twice, two senses glued, a supplement heading.
TEST(ReparationsSens, ArticleLongLuUneFois) {
    const std::string corps =
        "<i><small>(d\xE9-pan-s\xE9) v. a.</small></i>\n<small>\n"
        "<b>1\xB0</b> Employer de l'argent.\n<b>2\xB0</b> D\xE9penser d'une fa\xE7on quelconque.\n"
        "<b>3\xB0</b> User.</small>\n\n"
        "<b>1\xB0</b> Employer de l'argent. D\xE9penser son bien.\n" + Citation("Il d\xE9pense tout") +
        "<b>2\xB0</b> Fig. D\xE9penser son temps.\n" + Citation("Le temps qu'on d\xE9pense") +
        "    Fig. D\xE9penser son temps.\n" + Citation("Un autre temps") +
        "    D\xE9penser sans compter, \xEAtre prodigue.Se d\xE9penser, se donner du mal.\n" +
        Citation("Il se d\xE9pense") +
        "<b>3\xB0</b> \n" + Citation("Tout s'use") +
        "\n<b><big>SUPPL\xC9MENT AU DICTIONNAIRE</big></b>\n\n"
        "    D\xC9PENSIER, I\xC8RE (d\xE9-pan-si\xE9), s. m. et f. Celui qui d\xE9pense.\n";
    const Article article = ConvertirArticleLittre(corps, Nom("d\xE9penser"));
    EXPECT_EQ(Definitions(article), (std::vector<std::string>{
                                        "Employer de l'argent. D\xE9penser son bien.",
                                        "Fig. D\xE9penser son temps.",
                                        "D\xE9penser sans compter, \xEAtre prodigue.",
                                        "Se d\xE9penser, se donner du mal.",
                                        "User.",
                                        "D\xE9pensier, i\xE8re, s. m. et f. Celui qui d\xE9pense.",
                                    }));
    ASSERT_EQ(article.sens.size(), 6u);
    // The sense said twice keeps the citations of both; the glued pair gives
    // its citations to the sense they follow.
    EXPECT_EQ(article.sens[1].exemples.size(), 2u);
    EXPECT_TRUE(article.sens[2].exemples.empty());
    EXPECT_EQ(article.sens[3].exemples.size(), 1u);
    EXPECT_EQ(article.sens[4].exemples.size(), 1u);
}

TEST(ReparationsSens, LettrePerdueRendueParLeSommaireEtJointuresEspacees) {
    const std::vector<std::string> gloses = {"L'organe de la vue.",
                                             "Organe de la vue consid\xE9r\xE9 comme l'indice des passions."};
    EXPECT_EQ(TetesRendues("Un \x9C" "il en \xE9mail.rgane de la vue consid\xE9r\xE9 comme l'indice des passions.",
                           gloses),
              "Un \x9C" "il en \xE9mail.Organe de la vue consid\xE9r\xE9 comme l'indice des passions.");
    // Too short an agreement is chance, not a lost letter.
    EXPECT_EQ(TetesRendues("Voy. etc.rgane de la", gloses), "Voy. etc.rgane de la");
    EXPECT_EQ(TetesRendues("Sans sommaire.rgane de la vue.", {}), "Sans sommaire.rgane de la vue.");
    EXPECT_EQ(JointuresEspacees("Une majuscule.On \xE9" "crira. Voy. M.Dupont."),
              "Une majuscule. On \xE9" "crira. Voy. M.Dupont.");
}

TEST(ReparationsSens, CapitalePerdueRendueParLesOuverturesDuDictionnaire) {
    std::vector<Article> articles(1);
    for (int k = 0; k < 25; ++k) {
        articles[0].sens.push_back(Sens{"Par extension, sens " + std::to_string(k) + ".", {}});
        articles[0].sens.push_back(Sens{"Nom donn\xE9 \xE0 la chose " + std::to_string(k) + ".", {}});
    }
    Article sens;
    sens.mot = "sens";
    sens.sens = {Sens{"(familier) Avoir des sens, \xEAtre port\xE9 aux plaisirs de l'amour.ar extension, la facult\xE9 "
                      "de sentir.",
                      {"Il le sent, AUTEUR, Livre"}},
                 Sens{"Avoir \xE9t\xE9 militaire.om donn\xE9 au morceau de p\xE2te.", {}},
                 // No word opens enough senses: left as it is.
                 Sens{"Une chose.rgane inconnu.", {"Il a pour lui le peuple. - P|olynice : Et moi"}}};
    articles.push_back(sens);
    EXPECT_EQ(RendreLettresPerdues(articles), 2u);
    const Article& repare = articles[1];
    ASSERT_EQ(repare.sens.size(), 5u);
    EXPECT_EQ(repare.sens[0].definition, "(familier) Avoir des sens, \xEAtre port\xE9 aux plaisirs de l'amour.");
    EXPECT_EQ(repare.sens[1].definition, "Par extension, la facult\xE9 de sentir.");
    EXPECT_TRUE(repare.sens[0].exemples.empty());
    EXPECT_EQ(repare.sens[1].exemples.size(), 1u);
    EXPECT_EQ(repare.sens[2].definition, "Avoir \xE9t\xE9 militaire.");
    EXPECT_EQ(repare.sens[3].definition, "Nom donn\xE9 au morceau de p\xE2te.");
    EXPECT_EQ(repare.sens[4].definition, "Une chose.rgane inconnu.");
    EXPECT_EQ(repare.sens[4].exemples[0], "Il a pour lui le peuple. - Polynice : Et moi");
}
