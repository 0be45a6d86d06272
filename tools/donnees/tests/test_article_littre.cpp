#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/donnees/ArticleLittre.h"
#include "tools/donnees/CategoriesLittre.h"
#include "tools/donnees/MarquesUsage.h"

namespace {
std::string Citation(const std::string& texte, const std::string& auteur,
                     const std::string& oeuvre) {
    return "<span foreground=\"#0000CD\">" + texte + "</span>, <span foreground=\"#B22222\">" +
           auteur + "</span>, <span foreground=\"#556B2F\">" + oeuvre + "</span>.\n";
}

std::string Titre(const std::string& titre) { return "\n<b><big>" + titre + "</big></b>\n\n"; }

EntreeLittre Nom(const char* mot) {
    EntreeLittre nom;
    nom.mot = mot;
    return nom;
}

// A numbered entry in the shape of the real ones (MAISON), with every part.
const std::string Maison =
    "<i><small>(m\xEA-zon) s. f.</small></i>\n\n"
    "<b>1\xB0</b> B\xE2timent servant de logis. \n" +
    Citation("Ma maison est br\xFBl\xE9\x65", "BOSSUET", "la Valli\xE8re.") +
    Citation("Nous aurons une tr\xE8s belle maison &amp; un jardin", "MAINTENON", "Lett.") +
    "    Fig. \n" + Citation("Il a port\xE9 la paix dans la maison de son \xE2me", "MASS.", "Car\xEAme") +
    "    \xC0 la maison, chez soi. \n"
    "    Famili\xE8rement. Garder la maison, rester chez soi.\n"
    "\n<b>2\xB0</b> Maison royale, maison qui appartient au roi.\n" +
    Titre("REMARQUE") + "    On dit maison de ville pour h\xF4tel de ville.\n" +
    Titre("HISTORIQUE") + "    XIIIe s. \n" +
    Citation("Il n'est mie drois ne raison Qu'ele ait en paradis maison", "", "la Rose, 5942") +
    Titre("\xC9TYMOLOGIE") + "    Wallon, mohon ; du lat. <i>mansionem</i> (voy. MANOIR).\n" +
    Titre("SUPPL\xC9MENT AU DICTIONNAIRE") + "MAISON.\n\n<b>12\xB0</b> Ajoutez :\n"
    "    Les Petites-Maisons, h\xF4pital des ali\xE9n\xE9s.\n"
    "    MAISON. - HIST. XVIe s. \n" + Citation("Maison sans flamme, corps sans ame", "LEROUX", "Prov.") +
    "    MAISON. - \xC9TYM. Ajoutez : Anc. prov. mayzo.\n";

bool Contient(const std::string& texte, const std::string& morceau) {
    return texte.find(morceau) != std::string::npos;
}
}  // namespace

TEST(ConvertirArticleLittre, EnTeteEtSensNumerotes) {
    const Article article = ConvertirArticleLittre(Maison, Nom("maison"));
    EXPECT_EQ(article.mot, "maison");
    EXPECT_EQ(article.categorie, "NOM");
    EXPECT_EQ(article.attributs.at(ATTRIBUT_GENRE), "f\xE9minin");
    EXPECT_EQ(article.attributs.at(ATTRIBUT_PRONONCIATION), "(m\xEA-zon)");
    ASSERT_GE(article.sens.size(), 6u);
    EXPECT_EQ(article.sens[0].definition, "B\xE2timent servant de logis.");
    EXPECT_EQ(article.sens[0].exemples,
              (std::vector<std::string>{"Ma maison est br\xFBl\xE9\x65, BOSSUET, la Valli\xE8re.",
                                        "Nous aurons une tr\xE8s belle maison & un jardin, MAINTENON, Lett."}));
    EXPECT_EQ(article.sens[1].definition, "Fig.");
    ASSERT_EQ(article.sens[1].exemples.size(), 1u);
    EXPECT_EQ(article.sens[2].definition, "\xC0 la maison, chez soi.");
    EXPECT_TRUE(article.sens[2].exemples.empty());
    EXPECT_EQ(article.sens[3].definition, "(familier) Garder la maison, rester chez soi.");
    EXPECT_EQ(article.sens[4].definition, "Maison royale, maison qui appartient au roi.");
    EXPECT_EQ(article.sens[5].definition, "Remarque. On dit maison de ville pour h\xF4tel de ville.");
}

TEST(ConvertirArticleLittre, EtymologieSupplementEtHistoriqueExclu) {
    const Article article = ConvertirArticleLittre(Maison, Nom("maison"));
    EXPECT_EQ(article.etymologie, "Wallon, mohon ; du lat. mansionem (voy. MANOIR). Anc. prov. mayzo.");
    ASSERT_EQ(article.sens.size(), 7u);
    EXPECT_EQ(article.sens[6].definition, "Les Petites-Maisons, h\xF4pital des ali\xE9n\xE9s.");
    for (const Sens& sens : article.sens) {
        EXPECT_FALSE(Contient(sens.definition, "MAISON")) << sens.definition;
        EXPECT_FALSE(Contient(sens.definition, "Ajoutez")) << sens.definition;
        for (const std::string& exemple : sens.exemples) {
            EXPECT_FALSE(Contient(exemple, "paradis")) << "historique cit\xE9";
            EXPECT_FALSE(Contient(exemple, "flamme")) << "historique du suppl\xE9ment cit\xE9";
        }
    }
}

TEST(ConvertirArticleLittre, AucuneBaliseNiEntiteNiCouleur) {
    const Article article = ConvertirArticleLittre(Maison, Nom("maison"));
    std::vector<std::string> champs = {article.mot, article.categorie, article.etymologie};
    for (const auto& [cle, texte] : article.attributs) champs.push_back(texte);
    for (const Sens& sens : article.sens) {
        champs.push_back(sens.definition);
        champs.insert(champs.end(), sens.exemples.begin(), sens.exemples.end());
    }
    for (const std::string& champ : champs) {
        EXPECT_FALSE(Contient(champ, "<")) << champ;
        EXPECT_FALSE(Contient(champ, "&amp;")) << champ;
        EXPECT_FALSE(Contient(champ, "#0000CD")) << champ;
        EXPECT_FALSE(Contient(champ, "  ")) << champ;
    }
}

TEST(ConvertirArticleLittre, SousSensSansNumeroEtFeminin) {
    const std::string corps =
        "<i><small>(fr\xE9-mi-san, san-t') adj.</small></i>\n"
        "    Qui fr\xE9mit. Ces coursiers fr\xE9missants. \n" +
        Citation("L'appareil fr\xE9missant de la guerre", "F\xC9N.", "T\xE9l. XX.") +
        "    Terme populaire. Qui a peur.\n";
    EntreeLittre nom = Nom("fr\xE9missant");
    nom.feminin = "fr\xE9missante";
    const Article article = ConvertirArticleLittre(corps, nom);
    EXPECT_EQ(article.categorie, "ADJECTIF");
    EXPECT_EQ(article.attributs.at(ATTRIBUT_FEMININ), "f\xE9m. fr\xE9missante");
    ASSERT_EQ(article.sens.size(), 2u);
    EXPECT_EQ(article.sens[0].definition, "Qui fr\xE9mit. Ces coursiers fr\xE9missants.");
    EXPECT_EQ(article.sens[0].exemples,
              std::vector<std::string>{"L'appareil fr\xE9missant de la guerre, F\xC9N., T\xE9l. XX."});
    EXPECT_EQ(article.sens[1].definition, "(populaire) Qui a peur.");
}

TEST(ConvertirArticleLittre, UneEtiquetteDeLEnTeteMarqueTousLesSens) {
    const std::string corps =
        "<i><small>(bou-sin) s. m.\n    Terme populaire.</small></i>\n"
        "    Cabaret mal fam\xE9.\n    Lieu de d\xE9sordre.\n";
    const Article article = ConvertirArticleLittre(corps, Nom("bousin"));
    ASSERT_EQ(article.sens.size(), 2u);
    EXPECT_EQ(article.sens[0].definition, "(populaire) Cabaret mal fam\xE9.");
    EXPECT_EQ(article.sens[1].definition, "(populaire) Lieu de d\xE9sordre.");
}

TEST(ConvertirArticleLittre, CitationsSansTexteRejoignentLeSensPrecedent) {
    const std::string corps = "<i><small>(chi-en) s. m.</small></i>\n"
                              "<b>1\xB0</b> Animal domestique.\n<b>2\xB0</b> \n" +
                              Citation("Le chien aboie", "", "Prov.") +
                              Titre("PROVERBES") +
                              "    <i>Chien qui aboie ne mord pas</i>, qui menace fait peu.\n";
    const Article article = ConvertirArticleLittre(corps, Nom("chien"));
    ASSERT_EQ(article.sens.size(), 2u);
    EXPECT_EQ(article.sens[0].exemples, std::vector<std::string>{"Le chien aboie, Prov."});
    EXPECT_EQ(article.sens[1].definition, "Chien qui aboie ne mord pas, qui menace fait peu.");
}

TEST(ExempleDeCitation, CitationAuteurOeuvre) {
    EXPECT_EQ(ExempleDeCitation(Citation("Souvent femme varie", "FRAN\xC7OIS I", "")),
              "Souvent femme varie, FRAN\xC7OIS I");
    EXPECT_EQ(ExempleDeCitation(Citation("Le duc", "", "I, 253")), "Le duc, I, 253");
    EXPECT_EQ(ExempleDeCitation("    Fig. et familier."), "");
}

TEST(MarquesUsage, LibellesDuLittreEnMarqueurs) {
    struct Cas {
        const char* definition;
        const char* marquee;
    } const cas[] = {
        {"Famili\xE8rement. \xCAtre marqu\xE9 au b, \xEAtre borgne.", "(familier) \xCAtre marqu\xE9 au b, \xEAtre borgne."},
        {"Fig. et famili\xE8rement. Il a le diable au corps.", "(familier) Fig. et famili\xE8rement. Il a le diable au corps."},
        {"Populairement, un gar\xE7on.", "(populaire) un gar\xE7on."},
        {"Terme d'argot. Un voleur.", "(argot) Un voleur."},
        {"Bas. Se moquer.", "(vulgaire) Se moquer."},
        {"Vieilli. Chez soi.", "(vieilli) Chez soi."},
        {"Se fier de quelqu'un, compter sur lui (tournure qui a vieilli).",
         "(vieilli) Se fier de quelqu'un, compter sur lui (tournure qui a vieilli)."},
        {"Vieux. Soldat.", "(vieux) Soldat."},
        {"Peu usit\xE9. Ce qui pend.", "(rare) Ce qui pend."},
        {"Inusit\xE9 aujourd'hui.", "(rare) Inusit\xE9 aujourd'hui."},
        // ordinary words that are also labels elsewhere
        {"Un vieux valet restait.", "Un vieux valet restait."},
        {"Bas de la robe, le bord.", "Bas de la robe, le bord."},
        // past the leading label zone, "familièrement" is the text's own word
        {"La partie basse d'un long v\xEAtement, celle dont on parle famili\xE8rement.",
         "La partie basse d'un long v\xEAtement, celle dont on parle famili\xE8rement."},
    };
    for (const Cas& c : cas) EXPECT_EQ(DefinitionMarquee(c.definition), c.marquee) << c.definition;
}

TEST(MarquesUsage, PlusieursMarqueursChacunUneFois) {
    EXPECT_EQ(MarqueursDe("Populairement et famili\xE8rement, terme populaire."),
              (std::vector<std::string>{"(populaire)", "(familier)"}));
    EXPECT_EQ(DefinitionMarquee("Vieux. Terme d'argot.", {"(vieux)"}), "(vieux) (argot) Terme d'argot.");
}

TEST(ConvertirArticleLittre, SommaireIgnoreEtCategorieDuPremierSens) {
    // The table sums up senses that follow in full: its glosses are not put before them.
    const std::string corps =
        "<i><small>(jou-\xE9)</small></i>\n<small>\n<b>1\xB0</b> V. n. Se livrer \xE0 un amusement.\n"
        "<b>2\xB0</b> Plaisanter.\n<b>3\xB0</b> Se divertir \xE0 un jeu.</small>\n\n"
        "<b>1\xB0</b> V. n. Se livrer \xE0 un amusement. Ne jouez pas.\n"
        "<b>2\xB0</b> Plaisanter, badiner.\n"
        "<b>3\xB0</b> Jouer aux cartes.\n    Jouer gros jeu.\n";
    const Article article = ConvertirArticleLittre(corps, Nom("jouer"));
    EXPECT_EQ(article.categorie, "VERBE");
    EXPECT_EQ(article.attributs.at(ATTRIBUT_EMPLOI), "intransitif");
    ASSERT_EQ(article.sens.size(), 4u);
    EXPECT_EQ(article.sens[0].definition, "V. n. Se livrer \xE0 un amusement. Ne jouez pas.");
    EXPECT_EQ(article.sens[1].definition, "Plaisanter, badiner.");
    EXPECT_EQ(article.sens[2].definition, "Jouer aux cartes.");
    EXPECT_EQ(article.sens[3].definition, "Jouer gros jeu.");

    const Article adducteur = ConvertirArticleLittre(
        "<i><small>(a-ddu-kteur)</small></i>\n\n<b>1\xB0</b> Adj. m. Terme d'anatomie.\n",
        Nom("adducteur"));
    EXPECT_EQ(adducteur.categorie, "ADJECTIF");
    EXPECT_EQ(adducteur.attributs.at(ATTRIBUT_GENRE), "masculin");
    const Article renvoi =
        ConvertirArticleLittre("<i><small></small></i>\n    Voy. SOFI 2.", Nom("soufi"));
    EXPECT_EQ(renvoi.categorie, "");
    ASSERT_EQ(renvoi.sens.size(), 1u);
    EXPECT_EQ(renvoi.sens[0].definition, "Voy. SOFI 2.");
}

TEST(ConvertirArticleLittre, AnnoncesDuSupplement) {
    const std::string corps =
        "<i><small>(a-bu-z\xE9) v. a.</small></i>\n<b>1\xB0</b> User mal.\n" +
        Titre("SUPPL\xC9MENT AU DICTIONNAIRE") +
        "    ABUSER. V. n. Ajoutez :\n\n<b>5\xB0</b> Il se dit aussi des actes contre nature.\n"
        "    ABUS\xC9, s. m. Ajoutez :\n<b>6\xB0</b> \n" + Citation("Abus\xE9 de tout", "ANQUEZ", "Hist.") +
        "    \xC9LOQUEMMENT. Ajoutez : - HIST. XVIe s. \n" + Citation("eloquentement", "RAB.", "Garg.") +
        "    1. AGR\xC9\x45UR. Ajoutez : - REM. Agr\xE9\x65ur reste usit\xE9.\n"
        "    BALANCEMENT.\n"
        "    ARMEMENT. Ajoutez.\n"
        "    CASERNIER, I\xC8RE (ka-z\xE8r-ni\xE9), adj. Qui tient de la caserne.\n"
        "    1. BOITER (\xEAtre boiteux). Ajoutez : - HIST. XVIe s. \n" +
        Citation("elle boittoit", "MONT.", "I, 296") + "    Et boitoit fort.\n" +
        Titre("REMARQUE") + "Ajoutez :\n    2. C'est affaire \xE0 vous.\n";
    const Article article = ConvertirArticleLittre(corps, Nom("abuser"));
    std::vector<std::string> definitions;
    for (const Sens& sens : article.sens) definitions.push_back(sens.definition);
    EXPECT_EQ(definitions, (std::vector<std::string>{
                               "User mal.", "Il se dit aussi des actes contre nature.",
                               "Remarque. Agr\xE9\x65ur reste usit\xE9.",
                               // A heading that opens a sense reads as words, not as a raw heading.
                               "Casernier, i\xE8re, adj. Qui tient de la caserne.",
                               "Remarque. 2. C'est affaire \xE0 vous."}));
    ASSERT_EQ(article.sens[1].exemples.size(), 1u);  // the bare 6° lends its citation
    EXPECT_EQ(article.sens[1].exemples[0], "Abus\xE9 de tout, ANQUEZ, Hist.");
}

TEST(ConvertirArticleLittre, HistoriqueSansTitreEtRubriquesAnnoncees) {
    const std::string corps =
        "<i><small>(ar-d\xEAur) s. f.</small></i>\n"
        "    Chaleur vive. Il y avait des chirurgiens (voy. l'HIST.).\n"
        "    XVIe s. \n" + Citation("Ceste cause a esté demenée par ardeur", "MONT.", "I, 3") +
        "    XIIe et XIIIe s. \n" + Citation("De telle ardeur", "BRUYANT", "II") +
        Titre("\xC9TYMOLOGIE") + "    Lat. ardor.\n" +
        Titre("SUPPL\xC9MENT AU DICTIONNAIRE") +
        "    ARDEUR. Ajoutez : HIST. XVIe s. \n" + Citation("Caracon", "COTGRAVE", "") +
        "\n<b>4\xB0</b> Ardeur au travail.\n"
        "    \xC9TYM. Ajoutez : Anc. esp. ardor.\n" + Titre("REMARQUE") +
        "    Il faut dire ardeur.\n    AUTEUR. = HIST. XIIIe s. \n" + Citation("li auteur", "", "Rose");
    const Article article = ConvertirArticleLittre(corps, Nom("ardeur"));
    std::vector<std::string> definitions;
    for (const Sens& sens : article.sens) {
        definitions.push_back(sens.definition);
        EXPECT_TRUE(sens.exemples.empty()) << sens.definition;  // all citations were old French
    }
    EXPECT_EQ(definitions, (std::vector<std::string>{
                               "Chaleur vive. Il y avait des chirurgiens (voy. l'HIST.).",
                               "Ardeur au travail.", "Remarque. Il faut dire ardeur."}));
    EXPECT_EQ(article.etymologie, "Lat. ardor. Anc. esp. ardor.");
}
