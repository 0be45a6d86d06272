#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/donnees/AuditTexte.h"
#include "tools/donnees/GraphiesTexte.h"

namespace {

// What a spelling dictionary knows: today's spellings, and the words whose
// "oe" is two letters.
GraphiesConnues Connues() {
    GraphiesConnues connues;
    for (const char* mot : {"c\x9Cur", "c\x9Curs", "m\x9Curs", "s\x9Cur", "\x9Cuvre", "\x9Cuvres", "b\x9Cuf",
                            "n\x9Cud", "v\x9Cu", "c\xE6" "cum", "coefficient", "moelle", "po\xE8me", "man\xE8ge",
                            "si\xE8ge", "po\xE8te", "\x8C" "dipe", "ami", "de", "bon", "les", "ses"})
        connues[mot] = EmploiLemme | EmploiNom;
    // Two spellings fit "paraitre": neither is chosen.
    connues["para\xEEtre"] = EmploiVerbe;
    connues["par\xE2itre"] = EmploiVerbe;
    return connues;
}

Article Littre() {
    Article article;
    article.mot = "ami";
    article.sens.push_back(Sens{"Ami de coeur. DE BON COEUR. Les moeurs, le coefficient, la moelle, un poeme.",
                                {"Oeuvres, t. II, ma soeur, son man\xE9ge, SI\xC9GE, AUTEUR, Oeuv."}});
    article.sens.push_back(Sens{"Faire un man\xE9ge ; le si\xE9ge ; un po\xEBte ; un Oedipe ; paraitre ; caecum.", {}});
    article.etymologie = "Du lat. cor, coeur ; voy. man\xE9ge.";
    return article;
}

}  // namespace

TEST(GraphiesTexte, LigaturesRendusATousLesTextesAnciennesGraphiesHorsCitations) {
    std::vector<Article> articles = {Littre()};
    const BilanGraphiesTexte bilan = ModerniserTextes(articles, Connues());
    const Article& ami = articles[0];
    EXPECT_EQ(ami.mot, "ami");
    // The Littré's own text: ligatures, whatever the case; a word whose "oe"
    // is no ligature, or whose today's spelling is "è", keeps its letters.
    EXPECT_EQ(ami.sens[0].definition,
              "Ami de c\x9Cur. DE BON C\x8CUR. Les m\x9Curs, le coefficient, la moelle, un po\xE8me.");
    // A quotation gets its ligatures back and keeps its author's accents.
    EXPECT_EQ(ami.sens[0].exemples[0], "\x8Cuvres, t. II, ma s\x9Cur, son man\xE9ge, SI\xC9GE, AUTEUR, Oeuv.");
    EXPECT_EQ(ami.sens[1].definition,
              "Faire un man\xE8ge ; le si\xE8ge ; un po\xE8te ; un \x8C" "dipe ; paraitre ; c\xE6" "cum.");
    EXPECT_EQ(ami.etymologie, "Du lat. cor, c\x9Cur ; voy. man\xE9ge.");
    EXPECT_EQ(bilan.articles, 1u);
    EXPECT_EQ(bilan.motsCitations, 3u);     // Oeuvres, soeur, coeur of the etymology
    EXPECT_EQ(bilan.motsDefinitions, 9u);   // coeur, COEUR, moeurs, poeme, man\xE9ge, si\xE9ge, po\xEBte, Oedipe, caecum
}

TEST(GraphiesTexte, TableEtLigatureManquante) {
    const std::string texte = "Le coeur, les moeurs ; le coefficient.";
    const TableGraphiesTexte table = TableGraphies({&texte}, Connues());
    EXPECT_TRUE(LigatureManquante(texte, table));
    EXPECT_FALSE(LigatureManquante("Le coefficient, la moelle.", table));
    EXPECT_EQ(RecrireTexte(texte, table, true), "Le c\x9Cur, les m\x9Curs ; le coefficient.");
    std::size_t changes = 0;
    EXPECT_EQ(RecrireTexte("rien", table, false, &changes), "rien");
    EXPECT_EQ(changes, 0u);
}

TEST(AuditTexte, CompteCeQuiResteParSorte) {
    Article article;
    article.mot = "manger";
    article.sens = {
        Sens{"D\xE9penser d'une fa\xE7on quelconque. Fig. D\xE9penser d'une fa\xE7on quelconque.", {}},
        Sens{"Tout s'en est all\xE9 en fum\xE9" "e.La chose s'en va.", {}},
        Sens{"Il a \xE9t\xE9 militaire.om donn\xE9 au morceau.", {"Il a pour lui le peuple. - P|olynice : Et moi"}},
        Sens{"GR\xCA" "LANT, ANTE (gr\xEA-lan, lan-t'), adj. O\xF9 il gr\xEAle.", {}},
        Sens{"Sens propre.", {"Ma soeur"}},
        Sens{"Sens propre.", {}},
        Sens{"Un coeur.", {}},
    };
    article.etymologie = "En grec , temps de loisir.";
    const AuditTexte audit = AuditerTexte({article}, Connues());
    EXPECT_EQ(audit.sensDoubles.nombre, 2u);
    EXPECT_EQ(audit.sensColles.nombre, 1u);
    EXPECT_EQ(audit.fragmentsDeTitre.nombre, 1u);
    EXPECT_EQ(audit.titresEnSens.nombre, 1u);
    EXPECT_EQ(audit.ponctuationPendante.nombre, 1u);
    EXPECT_EQ(audit.ligaturesDefinitions.nombre, 1u);
    EXPECT_EQ(audit.ligaturesCitations.nombre, 1u);
    EXPECT_FALSE(SensRepete("Maison de ville. H\xF4tel de ville."));
    EXPECT_FALSE(FragmentDeTitre("Voy. etc. de lat. mansio."));
}
