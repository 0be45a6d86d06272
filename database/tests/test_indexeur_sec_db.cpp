#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/Ressources.h"
#include "database/ConnexionBase.h"
#include "database/IndexeurSecDB.h"
#include "database/tests/BaseEssai.h"

namespace {

std::string Hex(const std::string& octets) {
    static const char chiffres[] = "0123456789abcdef";
    std::string hex;
    for (const unsigned char o : octets) {
        hex += chiffres[o >> 4];
        hex += chiffres[o & 15];
    }
    return hex;
}

std::string Texte(const BlocOctets& bloc) {
    return std::string(reinterpret_cast<const char*>(bloc.Donnees()), bloc.Taille());
}

// Enciphered the way the data builder stores a protected row.
std::string Chiffre(const std::string& clair, const std::string& cle) {
    const std::vector<unsigned char> octets(clair.begin(), clair.end());
    const std::vector<unsigned char> chiffre = EmballerDonnees(octets, false, true, cle, nullptr);
    return std::string(chiffre.begin(), chiffre.end());
}

class IndexeurSecDBEssai : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(base_.Executer("i.db", "CREATE TABLE ConjugaisonImage (hash BLOB, contenu BLOB, note TEXT);"
                                           "CREATE TABLE brute (cle BLOB, valeur BLOB);"));
        Inserer("finir", "je finis, nous finissons");
        Inserer("Finir", "capitale");
        Inserer("\xE9" "clore", "il \xE9" "clot");
        Inserer("juste", std::string(5000, 'j'));
        Inserer("trop", std::string(5001, 't'));
        ASSERT_TRUE(base_.Executer("i.db", "INSERT INTO ConjugaisonImage VALUES (x'" +
                                               Hex(IndexeurSecDB::EmpreinteCle("nul")) + "', NULL, '');"));
        ASSERT_TRUE(base_.InsererBlobs("i.db", "brute", {"cl\xE9", "valeur en clair"}));
        connexion_ = ConnexionBase::Ouvrir(base_.ChaineConnexion("i.db"), "");
    }

    void Inserer(const std::string& verbe, const std::string& texte) {
        ASSERT_TRUE(base_.InsererBlobs("i.db", "ConjugaisonImage (hash, contenu)",
                                       {IndexeurSecDB::EmpreinteCle(verbe), Chiffre(texte, verbe)}));
    }

    BaseEssai base_{"indexeur_sec_db"};
    std::unique_ptr<ConnexionBase> connexion_;
};

TEST_F(IndexeurSecDBEssai, FindsRowByDigestAndDeciphersWithTheText) {
    IndexeurSecDB index("ConjugaisonImage", "hash", "contenu");
    ASSERT_TRUE(index.PreparerRequete(connexion_.get(), "ConjugaisonImage", "hash"));
    EXPECT_TRUE(index.Prepare());
    EXPECT_EQ(Texte(index.LireDonnees(connexion_.get(), "finir", true)), "je finis, nous finissons");
    EXPECT_EQ(connexion_->DernierCode(), SQL_SUCCESS);
    // Case matters: another digest, another row; the cursor was closed, no new preparation needed.
    EXPECT_EQ(Texte(index.LireDonnees(connexion_.get(), "Finir", true)), "capitale");
    EXPECT_EQ(Texte(index.LireDonnees(connexion_.get(), "\xE9" "clore", true)), "il \xE9" "clot");
    EXPECT_EQ(Texte(index.LireDonnees(connexion_.get(), "finir", true)), "je finis, nous finissons");
}

TEST_F(IndexeurSecDBEssai, MissingTruncatedAndNullRowsGiveEmptyResult) {
    IndexeurSecDB index("ConjugaisonImage", "hash", "contenu");
    ASSERT_TRUE(index.PreparerRequete(connexion_.get(), "ConjugaisonImage", "hash"));
    EXPECT_TRUE(index.LireDonnees(connexion_.get(), "FINIR", true).Vide());
    EXPECT_EQ(connexion_->DernierCode(), SQL_NO_DATA);
    EXPECT_TRUE(index.LireDonnees(connexion_.get(), "", true).Vide());
    EXPECT_TRUE(index.LireDonnees(connexion_.get(), "finir ", true).Vide());

    const BlocOctets juste = index.LireDonnees(connexion_.get(), "juste", true);
    EXPECT_EQ(Texte(juste), std::string(5000, 'j'));
    EXPECT_TRUE(index.LireDonnees(connexion_.get(), "trop", true).Vide());
    EXPECT_EQ(connexion_->DernierCode(), SQL_SUCCESS_WITH_INFO);  // the driver cut the value
    EXPECT_TRUE(index.LireDonnees(connexion_.get(), "nul", true).Vide());
    // And the index still works afterwards.
    EXPECT_EQ(Texte(index.LireDonnees(connexion_.get(), "finir", true)), "je finis, nous finissons");
}

TEST_F(IndexeurSecDBEssai, UnprotectedLookupComparesRawBytes) {
    IndexeurSecDB index("brute", "cle", "valeur");
    ASSERT_TRUE(index.PreparerRequete(connexion_.get(), "brute", "cle"));
    EXPECT_EQ(Texte(index.LireDonnees(connexion_.get(), "cl\xE9", false)), "valeur en clair");
    EXPECT_TRUE(index.LireDonnees(connexion_.get(), "cle", false).Vide());
    EXPECT_TRUE(index.LireDonnees(connexion_.get(), "cl\xE9", true).Vide());  // digest of it is not stored
    EXPECT_TRUE(index.LireDonnees(connexion_.get(), std::string(201, 'x'), false).Vide());
}

TEST_F(IndexeurSecDBEssai, FailedPreparationOrLostStatementReadsNothing) {
    IndexeurSecDB index("absente", "hash", "contenu");
    EXPECT_FALSE(index.PreparerRequete(connexion_.get(), "absente", "hash"));
    EXPECT_FALSE(index.Prepare());
    EXPECT_FALSE(connexion_->DernierSucces());
    EXPECT_TRUE(index.LireDonnees(connexion_.get(), "finir", true).Vide());
    EXPECT_FALSE(index.PreparerRequete(nullptr, "ConjugaisonImage", "hash"));

    IndexeurSecDB bon("ConjugaisonImage", "hash", "contenu");
    ASSERT_TRUE(bon.PreparerRequete(connexion_.get(), "ConjugaisonImage", "hash"));
    // Another connection, even on the same file, is not the prepared one.
    auto autre = ConnexionBase::Ouvrir(base_.ChaineConnexion("i.db"), "");
    EXPECT_TRUE(bon.LireDonnees(autre.get(), "finir", true).Vide());
    EXPECT_TRUE(bon.LireDonnees(nullptr, "finir", true).Vide());
    // Any later statement on the connection drops the prepared one.
    ASSERT_TRUE(connexion_->ExecuterDirect("select * from brute;"));
    EXPECT_TRUE(bon.LireDonnees(connexion_.get(), "finir", true).Vide());
    EXPECT_FALSE(bon.Prepare());
    ASSERT_TRUE(bon.PreparerRequete(connexion_.get(), "ConjugaisonImage", "hash"));
    EXPECT_EQ(Texte(bon.LireDonnees(connexion_.get(), "finir", true)), "je finis, nous finissons");
}

// The driver may give a new statement the very handle of the one it just
// freed: an index must still know that its own statement is gone.
TEST_F(IndexeurSecDBEssai, IndexWhoseStatementWasReplacedReadsNothingFromTheNewOne) {
    ASSERT_TRUE(base_.Executer("i.db", "CREATE TABLE vide (cle BLOB, valeur BLOB);"
                                       "CREATE TABLE pleine (cle BLOB, valeur BLOB);"));
    ASSERT_TRUE(base_.InsererBlobs("i.db", "pleine", {"abc", "ligne de pleine"}));
    auto connexion = ConnexionBase::Ouvrir(base_.ChaineConnexion("i.db"), "");
    for (int essai = 0; essai < 20; ++essai) {
        IndexeurSecDB a("vide", "cle", "valeur");
        ASSERT_TRUE(a.PreparerRequete(connexion.get(), "vide", "cle"));
        EXPECT_TRUE(a.LireDonnees(connexion.get(), "abc", false).Vide());
        IndexeurSecDB b("pleine", "cle", "valeur");
        ASSERT_TRUE(b.PreparerRequete(connexion.get(), "pleine", "cle"));
        EXPECT_TRUE(a.LireDonnees(connexion.get(), "abc", false).Vide()) << "essai " << essai;
        EXPECT_FALSE(a.Prepare());
        EXPECT_EQ(Texte(b.LireDonnees(connexion.get(), "abc", false)), "ligne de pleine");
    }
}

// A connection closed and another opened may sit at the same address.
TEST_F(IndexeurSecDBEssai, IndexPreparedOnAClosedConnectionReadsNothingFromItsSuccessor) {
    IndexeurSecDB index("brute", "cle", "valeur");
    for (int essai = 0; essai < 20; ++essai) {
        auto premiere = ConnexionBase::Ouvrir(base_.ChaineConnexion("i.db"), "");
        ASSERT_TRUE(index.PreparerRequete(premiere.get(), "brute", "cle"));
        premiere.reset();
        auto suivante = ConnexionBase::Ouvrir(base_.ChaineConnexion("i.db"), "");
        ASSERT_TRUE(suivante->ExecuterDirect("select * from brute;"));
        EXPECT_TRUE(index.LireDonnees(suivante.get(), "cl\xE9", false).Vide()) << "essai " << essai;
    }
}

TEST_F(IndexeurSecDBEssai, MissingDatabaseReadsNothingAndStaysMissing) {
    auto absente = ConnexionBase::Ouvrir(base_.ChaineConnexion("absente.db"), "");
    IndexeurSecDB index("ConjugaisonImage", "hash", "contenu");
    EXPECT_FALSE(index.PreparerRequete(absente.get(), "ConjugaisonImage", "hash"));
    EXPECT_TRUE(index.LireDonnees(absente.get(), "finir", true).Vide());
    absente->Fermer();
    EXPECT_FALSE(std::filesystem::exists(base_.Chemin("absente.db")));
}

TEST(IndexeurSecDBTest, DigestConstructionAndDataSlot) {
    EXPECT_EQ(Hex(IndexeurSecDB::EmpreinteCle("")), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(Hex(IndexeurSecDB::EmpreinteCle("finir")), "6fdd63c11d51b59f1e0aa66f0714d7d1");
    IndexeurSecDB nomme("ConjugaisonImage", "hash", "contenu");
    EXPECT_TRUE(nomme.Nomme());
    EXPECT_EQ(nomme.Table(), "ConjugaisonImage");
    EXPECT_EQ(nomme.ColonneCle(), "hash");
    EXPECT_EQ(nomme.ColonneDonnees(), "contenu");
    EXPECT_FALSE(nomme.Prepare());
    IndexeurSecDB parDefaut;
    EXPECT_FALSE(parDefaut.Nomme());
    EXPECT_EQ(parDefaut.Table(), "");
    Indexeur& base = nomme.Memoire();
    testing::internal::CaptureStdout();
    EXPECT_EQ(base.GetPDonnees(), nullptr);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("IndexeurSec::GetPDonnees"), std::string::npos);
}

}  // namespace
