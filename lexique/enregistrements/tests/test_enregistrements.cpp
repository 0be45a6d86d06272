#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/ConnexionBase.h"
#include "lexique/NumerosLexique.h"
#include "lexique/dictionnaire.h"
#include "lexique/enregistrements/declinaisonDB.h"
#include "lexique/enregistrements/entreeDB.h"
#include "lexique/tests/BaseLexiqueEssai.h"
#include "lexique/tests/EnvironnementEssai.h"
#include "text/tests/DossierEssai.h"

namespace {

// The example database (see BaseLexiqueEssai) read straight through a
// connection, without a lexicon unless the test makes one.
class EnregistrementsEssai : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(base_.Cree());
        ASSERT_TRUE(base_.RemplirExemple());
        connexion_ = ConnexionBase::Ouvrir(std::string(PREFIXE_CONNEXION) + base_.Chemin(), "");
    }

    DossierEssai donnees_;
    VariableEssai xdg_{"XDG_DATA_HOME", donnees_.Chemin()};
    BaseLexiqueEssai base_{"enregistrements"};
    std::unique_ptr<ConnexionBase> connexion_;
};

TEST_F(EnregistrementsEssai, EntreeLueColonneParColonne) {
    entreeDB maison;
    ASSERT_TRUE(LireEntree(maison, *connexion_, "maison"));
    EXPECT_EQ(maison.texte1, "\\#12#-3#x#");
    EXPECT_EQ(maison.nombres1, (std::vector<std::int32_t>{12, -3, 0}));
    EXPECT_EQ(maison.nombres2, (std::vector<std::int32_t>{4}));
    EXPECT_EQ(maison.Texte3(), "l'article");
    EXPECT_EQ(maison.Texte4(), "quatre");
    EXPECT_EQ(maison.Texte5(), "cinq");
    EXPECT_EQ(maison.Texte7(), "maison");
    EXPECT_EQ(maison.Texte8(), "maison");
    EXPECT_EQ(maison.nombre9, -42);
    EXPECT_EQ(maison.TexteLibre(), "");
    EXPECT_FALSE(maison.texteLibreFixe);
    EXPECT_EQ(maison.LexiqueProprietaire(), nullptr);
    EXPECT_EQ(connexion_->DernierCode(), SQL_NO_DATA);  // no second row with that key
    EXPECT_EQ(connexion_->Instruction(), nullptr);

    entreeDB aujourdhui;
    ASSERT_TRUE(LireEntree(aujourdhui, *connexion_, "aujourd'hui"));
    EXPECT_TRUE(aujourdhui.nombres1.empty());  // empty text
    EXPECT_TRUE(aujourdhui.nombres2.empty());  // one character
    EXPECT_EQ(aujourdhui.Texte3(), "aujourd'hui");
    EXPECT_EQ(aujourdhui.Texte6(), "l''article");
    EXPECT_EQ(aujourdhui.nombre9, 3);
}

TEST_F(EnregistrementsEssai, EntreeAbsenteOuBaseIlisibleLaisseUnEnregistrementEfface) {
    entreeDB entree;
    entree.texte3 = "reste";
    entree.nombres1 = {1};
    entree.FixerTexteLibre("libre");
    EXPECT_FALSE(LireEntree(entree, *connexion_, "chateau"));
    EXPECT_EQ(entree.Texte3(), "");
    EXPECT_TRUE(entree.nombres1.empty());
    EXPECT_FALSE(entree.texteLibreFixe);
    EXPECT_EQ(connexion_->DernierCode(), SQL_NO_DATA);

    auto sansBase = ConnexionBase::Ouvrir(std::string(PREFIXE_CONNEXION) + base_.Dossier() + "/absente.db", "");
    entree.texte3 = "reste";
    EXPECT_FALSE(LireEntree(entree, *sansBase, "maison"));
    EXPECT_EQ(entree.Texte3(), "");
    declinaisonDB flexions;
    flexions.texte1 = "reste";
    EXPECT_FALSE(LireDeclinaison(flexions, *sansBase, "maison"));
    EXPECT_EQ(flexions.texte1, "");
}

TEST_F(EnregistrementsEssai, TextesTropLongsCoupesALeurTampon) {
    ASSERT_TRUE(base_.Executer("INSERT INTO hjhvglkj VALUES (printf('%.1500c', 'a'), '', printf('%.1500c', 'b'), '', '',"
                               " '', '', 'long', 0);"
                               "INSERT INTO tryjufh VALUES ('long', printf('%.25000c', 'c'));"));
    entreeDB entree;
    ASSERT_TRUE(LireEntree(entree, *connexion_, "long"));
    EXPECT_EQ(entree.texte1, std::string(999, 'a'));
    EXPECT_EQ(entree.Texte3(), std::string(999, 'b'));
    declinaisonDB flexions;
    ASSERT_TRUE(LireDeclinaison(flexions, *connexion_, "long"));
    EXPECT_EQ(flexions.texte1, "long");
    EXPECT_EQ(flexions.texte2, std::string(19999, 'c'));
}

TEST_F(EnregistrementsEssai, DeclinaisonLueEtApostrophesSimplifiees) {
    declinaisonDB flexions;
    ASSERT_TRUE(LireDeclinaison(flexions, *connexion_, "aujourd'hui"));
    EXPECT_EQ(flexions.texte1, "aujourd'hui");
    EXPECT_EQ(flexions.texte2, "d'aucune");
    EXPECT_EQ(flexions.lexique, nullptr);

    flexions.texte2 = "reste";
    EXPECT_FALSE(LireDeclinaison(flexions, *connexion_, "chateau"));
    EXPECT_EQ(flexions.texte1, "");
    EXPECT_EQ(flexions.texte2, "");
}

TEST(Entree, EffacerEtCopier) {
    dictionnaire sansBase("inutile", true);
    entreeDB lue;
    lue.nombres1 = {1, 2};
    lue.nombres2 = {3};
    lue.texte1 = "un";
    lue.texte2 = "deux";
    lue.texte3 = "trois";
    lue.texte4 = "quatre";
    lue.texte5 = "cinq";
    lue.FixerTexteLibre("libre");
    lue.texte6 = "six";
    lue.texte7 = "sept";
    lue.texte8 = "huit";
    lue.nombre9 = 9;
    lue.lexique = &sansBase;

    entree copie;
    copie = lue;
    EXPECT_EQ(copie.nombres1, lue.nombres1);
    EXPECT_EQ(copie.nombres2, lue.nombres2);
    EXPECT_EQ(copie.texte1, "un");
    EXPECT_EQ(copie.texte2, "deux");
    EXPECT_EQ(copie.Texte3(), "trois");
    EXPECT_EQ(copie.Texte4(), "quatre");
    EXPECT_EQ(copie.Texte5(), "cinq");
    EXPECT_EQ(copie.TexteLibre(), "libre");
    EXPECT_TRUE(copie.texteLibreFixe);
    EXPECT_EQ(copie.Texte6(), "six");
    EXPECT_EQ(copie.Texte7(), "sept");
    EXPECT_EQ(copie.Texte8(), "huit");
    EXPECT_EQ(copie.nombre9, 9);
    EXPECT_EQ(copie.LexiqueProprietaire(), &sansBase);

    entree& parBase = lue;
    parBase.EffacerEntree();
    for (const std::string& texte : {lue.texte1, lue.texte2, lue.texte3, lue.texte4, lue.texte5, lue.texteLibre,
                                     lue.texte6, lue.texte7, lue.texte8})
        EXPECT_EQ(texte, "");
    EXPECT_TRUE(lue.nombres1.empty());
    EXPECT_TRUE(lue.nombres2.empty());
    EXPECT_FALSE(lue.texteLibreFixe);
    EXPECT_EQ(lue.nombre9, 0);
    EXPECT_EQ(lue.LexiqueProprietaire(), nullptr);
    EXPECT_EQ(copie.Texte3(), "trois");  // the copy owns its texts

    declinaisonDB flexionsLues;
    flexionsLues.texte1 = "a";
    flexionsLues.texte2 = "b";
    flexionsLues.lexique = &sansBase;
    declinaison flexions;
    flexions = flexionsLues;
    EXPECT_EQ(flexions.texte1, "a");
    EXPECT_EQ(flexions.texte2, "b");
    EXPECT_EQ(flexions.lexique, &sansBase);
}

TEST(Entree, SansLexiqueNiNumerosNiDeclinaison) {
    ASSERT_EQ(LexiqueCourant(), nullptr);
    entree seule;
    seule.texte3 = "maison";
    seule.texte7 = "maison";
    seule.texte6 = "\\#genre#masculin#";
    EXPECT_EQ(seule.NumeroTexte3(), 0);
    EXPECT_EQ(seule.NumeroTexte8(), 0);
    const declinaison flexions = seule.DeclinaisonTexte7();
    EXPECT_EQ(flexions.texte2, "");
    EXPECT_EQ(flexions.lexique, nullptr);
    const TableVariables vecteur = seule.VecteurVariables();
    for (std::int32_t valeur : vecteur.valeurs) EXPECT_EQ(valeur, 0);
}

TEST_F(EnregistrementsEssai, VecteurDesVariablesDeLEntree) {
    dictionnaire lexique(base_.Chemin(), false);
    entree* maison = lexique.EntreeDuMot("maison", false);
    ASSERT_NE(maison, nullptr);
    // aaa -> x (position 0), genre -> feminin, inconnue -> x, lettre_initiale -> a
    // (barred), nombre -> #genre (a reference), temps -> singulier.
    const TableVariables premier = maison->VecteurVariables();
    std::array<std::int32_t, NOMBRE_POSITIONS_VARIABLES> attendu{};
    attendu[1] = 5;   // feminin
    attendu[5] = 11;  // singulier, its highest number
    EXPECT_EQ(premier.valeurs, attendu);

    const TableVariables second = maison->VecteurVariables();
    EXPECT_EQ(second.valeurs, attendu);
    EXPECT_NE(second.tampon, premier.tampon);

    const std::array<bool, NOMBRE_POSITIONS_VARIABLES> barrees = PositionsBarrees();
    for (int position = 0; position < NOMBRE_POSITIONS_VARIABLES; ++position)
        EXPECT_EQ(barrees[position], position == 2 || position == 3) << position;

    // An odd last item is dropped; the other pair still counts.
    entree impaire;
    impaire.texte6 = "\\#genre#masculin#nombre#";
    attendu = {};
    attendu[1] = 6;
    EXPECT_EQ(impaire.VecteurVariables().valeurs, attendu);
    // The barred variables keep 0 whatever their value.
    entree lettres;
    lettres.texte6 = "\\#lettre_initiale#c#lettre_suivante#b#nombre#pluriel#";
    attendu = {};
    attendu[4] = 8;
    EXPECT_EQ(lettres.VecteurVariables().valeurs, attendu);
}

TEST(VecteurVariables, PositionsAuDelaDe39Ignorees) {
    DossierEssai donnees;
    VariableEssai xdg("XDG_DATA_HOME", donnees.Chemin());
    BaseLexiqueEssai base("positions");
    // Names v00 .. v44: v00 is numbered 0, v39 39, v40 40.
    ASSERT_TRUE(base.Executer("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 44)"
                              " INSERT INTO flhgjlghl SELECT printf('v%02d', i), printf('\\#w%02d#', i), i FROM n;"));
    dictionnaire lexique(base.Chemin(), false);
    ASSERT_EQ(NumeroVariable("v40"), 40);
    entree mot;
    mot.texte6 = "\\#v00#w00#v01#w01#v39#w39#v40#w40#v44#w44#";
    std::array<std::int32_t, NOMBRE_POSITIONS_VARIABLES> attendu{};
    attendu[1] = NumeroValeur("w01");
    attendu[39] = NumeroValeur("w39");
    ASSERT_EQ(attendu[1], 2);
    ASSERT_EQ(attendu[39], 40);
    EXPECT_EQ(mot.VecteurVariables().valeurs, attendu);
}

}  // namespace
