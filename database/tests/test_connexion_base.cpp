#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "database/ConnexionBase.h"
#include "database/TamponsLigne.h"
#include "database/TexteInstruction.h"
#include "database/tests/BaseEssai.h"
#include "text/FichiersTexte.h"
#include "text/Transformations.h"

namespace {

// A record kind of the tests, read the way the program's record kinds are:
// three texts (the third through SimplifierApostrophes) and a number.
struct Mot {
    std::string cle, definition, exemple;
    int nombre = 0;
};

TamponsLigne& TamponsMot() {
    static TamponsLigne tampons({TamponsLigne::ColonneTexte(1000), TamponsLigne::ColonneTexte(1000), TamponsLigne::ColonneTexte(1000),
                                 TamponsLigne::ColonneEntier()});
    return tampons;
}

Mot LireMot(const TamponsLigne& t) {
    return Mot{t.Texte(0), t.Texte(1), SimplifierApostrophes(t.Texte(2)), t.Entier(3)};
}

bool ChercherMot(ConnexionBase& connexion, const std::string& cle, Mot& mot) {
    mot = Mot();
    return LireParCle(connexion, TamponsMot(), "mots", "cle", cle,
                      [&mot](const TamponsLigne& t) { mot = LireMot(t); });
}

class ConnexionEssai : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(base_.Executer("mots.db",
                                   "CREATE TABLE mots (cle TEXT, definition TEXT, exemple TEXT, nombre INTEGER);"
                                   "INSERT INTO mots VALUES ('maison', 'b\xE2timent', 'la maison', 12);"
                                   "INSERT INTO mots VALUES ('aujourd''hui', 'ce jour', 'l''''eau', -7);"
                                   "INSERT INTO mots VALUES ('double', 'premier', '', 1);"
                                   "INSERT INTO mots VALUES ('double', 'second', '', 2);"));
        connexion_ = ConnexionBase::Ouvrir(base_.ChaineConnexion("mots.db"), "");
    }

    BaseEssai base_{"connexion"};
    std::unique_ptr<ConnexionBase> connexion_;
};

TEST_F(ConnexionEssai, LookupFindsRowAndTellsWhetherAnotherFollows) {
    Mot mot;
    ASSERT_TRUE(ChercherMot(*connexion_, "maison", mot));
    EXPECT_EQ(mot.cle, "maison");
    EXPECT_EQ(mot.definition, "b\xE2timent");  // Windows-1252 bytes pass through unchanged
    EXPECT_EQ(mot.exemple, "la maison");
    EXPECT_EQ(mot.nombre, 12);
    EXPECT_EQ(connexion_->DernierCode(), SQL_NO_DATA);  // the second fetch found nothing
    EXPECT_EQ(connexion_->Instruction(), nullptr);       // the statement is dropped afterwards

    ASSERT_TRUE(ChercherMot(*connexion_, "double", mot));
    EXPECT_EQ(mot.definition, "premier");
    EXPECT_EQ(mot.nombre, 1);
    EXPECT_TRUE(connexion_->DernierSucces());  // another row with that key exists
}

TEST_F(ConnexionEssai, LookupOfMissingKeyLeavesClearedRecordAndCode100) {
    Mot mot{"x", "y", "z", 3};
    EXPECT_FALSE(ChercherMot(*connexion_, "chateau", mot));
    EXPECT_EQ(mot.cle, "");
    EXPECT_EQ(mot.definition, "");
    EXPECT_EQ(mot.nombre, 0);
    EXPECT_EQ(connexion_->DernierCode(), 100);
    // The key is compared exactly: other case, trailing space.
    EXPECT_FALSE(ChercherMot(*connexion_, "Maison", mot));
    EXPECT_FALSE(ChercherMot(*connexion_, "maison ", mot));
}

TEST_F(ConnexionEssai, ApostrophesAreDoubledInKeysAndSimplifiedOnRead) {
    Mot mot;
    ASSERT_TRUE(ChercherMot(*connexion_, "aujourd'hui", mot));
    EXPECT_EQ(mot.cle, "aujourd'hui");
    EXPECT_EQ(mot.exemple, "l'eau");  // stored as l''eau
    EXPECT_EQ(mot.nombre, -7);
    // A key that would break out of the quotes finds nothing and harms nothing.
    EXPECT_FALSE(ChercherMot(*connexion_, "x') OR ('1'='1", mot));
    EXPECT_EQ(mot.cle, "");
}

TEST_F(ConnexionEssai, LongTextIsCutToItsBuffer) {
    ASSERT_TRUE(base_.Executer("mots.db", "INSERT INTO mots VALUES ('long', '" + std::string(1500, 'a') + "', '', 0);"));
    Mot mot;
    ASSERT_TRUE(ChercherMot(*connexion_, "long", mot));
    EXPECT_EQ(mot.definition, std::string(999, 'a'));
}

TEST_F(ConnexionEssai, KeyTooLongForAStatementIsRefusedBeforeTheLookup) {
    const std::string cleLongue(4970, 'k');
    ASSERT_TRUE(base_.Executer("mots.db", "INSERT INTO mots VALUES ('" + cleLongue + "', 'trouve', '', 0);"));
    Mot mot;
    // 4,970 bytes of key plus the statement's 40 exceed 5,000: not run at all.
    EXPECT_FALSE(ChercherMot(*connexion_, cleLongue, mot));
    EXPECT_EQ(mot.definition, "");
    // One whose statement fits is looked up.
    const std::string cleAdmise(4900, 'k');
    ASSERT_TRUE(base_.Executer("mots.db", "INSERT INTO mots VALUES ('" + cleAdmise + "', 'admise', '', 0);"));
    ASSERT_TRUE(ChercherMot(*connexion_, cleAdmise, mot));
    EXPECT_EQ(mot.definition, "admise");
}

TEST_F(ConnexionEssai, WholeTableScanReadsEveryRowInOrder) {
    std::vector<std::string> cles;
    EXPECT_EQ(ParcourirTable(*connexion_, TamponsMot(), "mots",
                             [&cles](const TamponsLigne& t) { cles.push_back(t.Texte(0)); }),
              4u);
    EXPECT_EQ(cles, (std::vector<std::string>{"maison", "aujourd'hui", "double", "double"}));
    EXPECT_EQ(ParcourirTable(*connexion_, TamponsMot(), "absente", [](const TamponsLigne&) {}), 0u);
}

TEST_F(ConnexionEssai, StatementsReportTheDriverCode) {
    EXPECT_TRUE(connexion_->ExecuterDirect("select count(*) from mots;"));
    EXPECT_EQ(connexion_->DernierCode(), SQL_SUCCESS);
    EXPECT_FALSE(connexion_->ExecuterDirect("select * from absente;"));
    EXPECT_EQ(connexion_->DernierCode(), SQL_ERROR);
    EXPECT_FALSE(connexion_->DernierSucces());
    EXPECT_TRUE(connexion_->Preparer("select * from mots WHERE (cle = ?);"));
    EXPECT_NE(connexion_->Instruction(), nullptr);
    EXPECT_TRUE(connexion_->LibererInstruction());
    EXPECT_EQ(connexion_->Instruction(), nullptr);
    EXPECT_TRUE(connexion_->LibererInstruction());  // without a statement: harmless
}

TEST(ConnexionBaseTest, ConnectionTextCarriesPasswordAndNoCreation) {
    BaseEssai base("texte_connexion");
    ASSERT_TRUE(base.Executer("b.db", "CREATE TABLE t (a TEXT);"));
    auto defaut = ConnexionBase::Ouvrir(base.ChaineConnexion("b.db"), "");
    EXPECT_EQ(defaut->DernierCode(), -1);
    EXPECT_EQ(defaut->TexteConnexion(),
              base.ChaineConnexion("b.db") + ";NoCreat=1;Pwd=" + MOT_DE_PASSE_DEFAUT);
    auto propre = ConnexionBase::Ouvrir(base.ChaineConnexion("b.db"), "abcdefghijk");
    EXPECT_EQ(propre->TexteConnexion(), base.ChaineConnexion("b.db") + ";NoCreat=1;Pwd=abcdefghijk");
    EXPECT_TRUE(propre->ExecuterDirect("select * from t;"));  // the password does not stop SQLite
    EXPECT_EQ(propre->Fermer(), 0);
    EXPECT_EQ(propre->TexteConnexion(), "");
    EXPECT_EQ(propre->Fermer(), 0);  // twice is harmless
    EXPECT_FALSE(propre->ExecuterDirect("select * from t;"));
}

TEST(ConnexionBaseTest, MissingDatabaseFailsAndStaysMissing) {
    BaseEssai base("base_absente");
    const std::string chemin = base.Chemin("absente.db");
    auto connexion = ConnexionBase::Ouvrir(base.ChaineConnexion("absente.db"), "");
    EXPECT_FALSE(connexion->AssurerInstruction());
    EXPECT_FALSE(connexion->DernierSucces());
    EXPECT_FALSE(connexion->ExecuterDirect("CREATE TABLE t (a TEXT);"));
    Mot mot;
    EXPECT_FALSE(ChercherMot(*connexion, "maison", mot));
    connexion->Fermer();
    EXPECT_FALSE(FichierExiste(chemin));
}

TEST(ConnexionBaseTest, FileThatIsNotADatabaseGivesFailingStatements) {
    BaseEssai base("pas_une_base");
    {
        std::FILE* f = std::fopen(base.Chemin("faux.db").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("ceci n'est pas une base de donnees, mais un texte assez long pour un en-tete", f);
        std::fclose(f);
    }
    auto connexion = ConnexionBase::Ouvrir(base.ChaineConnexion("faux.db"), "");
    Mot mot;
    EXPECT_FALSE(ChercherMot(*connexion, "maison", mot));
    EXPECT_FALSE(connexion->DernierSucces());
}

TEST(TexteInstructionTest, RefusesTextsThatDoNotFit) {
    EXPECT_EQ(FormaterInstruction("select * from %s;", "t"), "select * from t;");
    EXPECT_EQ(FormaterInstruction("%s", std::string(4999, 'x').c_str()).size(), 4999u);
    EXPECT_EQ(FormaterInstruction("%s", std::string(5000, 'x').c_str()), "");
}

}  // namespace
