#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "conjugation/Conjugaison.h"
#include "conjugation/fenetre/TableauConjugaison.h"
#include "conjugation/fenetre/ZephJugaison.h"
#include "data/Ressources.h"
#include "database/IndexeurSecDB.h"
#include "database/tests/BaseEssai.h"
#include "platform/dialogue/SansEcran.h"

// This executable embeds no conjugation resource: the on-disk copy cannot be
// made, and the databases are read where the test makes them. The copy itself
// is tested in test_copie_conjugaisons.cpp, which registers one.
namespace {

namespace fs = std::filesystem;

std::string Contenu(const std::string& texte, const std::string& verbe, bool deflate = true) {
    const std::vector<unsigned char> octets(texte.begin(), texte.end());
    const std::vector<unsigned char> emballe = EmballerDonnees(octets, deflate, true, verbe, nullptr);
    return std::string(emballe.begin(), emballe.end());
}

class FenetreConjugaison : public ::testing::Test {
protected:
    void SetUp() override {
        const char* ancien = std::getenv("XDG_RUNTIME_DIR");
        ancienExecution_ = ancien ? ancien : "";
        avaitExecution_ = ancien != nullptr;
        execution_ = base_.Chemin("execution");
        fs::create_directories(execution_);
        fs::permissions(execution_, fs::perms::owner_all);
        setenv("XDG_RUNTIME_DIR", execution_.c_str(), 1);
        DefinirInterface(&interface_);
    }
    void TearDown() override {
        DefinirInterface(nullptr);
        if (avaitExecution_) setenv("XDG_RUNTIME_DIR", ancienExecution_.c_str(), 1);
        else unsetenv("XDG_RUNTIME_DIR");
    }

    // A database of the conjugation table's shape, made by the test.
    void FaireBase(const std::string& fichier) {
        ASSERT_TRUE(base_.Executer(fichier, "CREATE TABLE ConjugaisonImage (hash BLOB, contenu BLOB);"));
        Ajouter(fichier, "verbe", "ligne 1\nligne 2\r\nfin");
        Ajouter(fichier, "exact", std::string(CAPACITE_TEXTE_CONJUGAISON, 'x'));
        Ajouter(fichier, "trop", std::string(CAPACITE_TEXTE_CONJUGAISON + 1, 'x'));
        Ajouter(fichier, "nul", std::string("avant\0apres", 11));
        ASSERT_TRUE(base_.InsererBlobs(fichier, "ConjugaisonImage",
                                       {IndexeurSecDB::EmpreinteCle("corrompu"),
                                        Contenu("pas un flux zlib", "corrompu", false)}));
    }
    void Ajouter(const std::string& fichier, const std::string& verbe, const std::string& texte) {
        ASSERT_TRUE(base_.InsererBlobs(fichier, "ConjugaisonImage",
                                       {IndexeurSecDB::EmpreinteCle(verbe), Contenu(texte, verbe)}));
    }
    std::string Prive() const { return execution_ + "/vocalia"; }
    std::string Copie() const { return Prive() + "/" + NOM_COPIE_CONJUGAISONS; }

    BaseEssai base_{"fenetre_conjugaison"};
    std::string execution_;
    std::string ancienExecution_;
    bool avaitExecution_ = false;
    InterfaceSansEcran interface_;
};

TEST_F(FenetreConjugaison, LoadsDecipheredInflatedText) {
    FaireBase("c.db");
    const std::string chemin = base_.Chemin("c.db");
    std::string texte = "ancien";
    ASSERT_TRUE(ChargerConjugaison("verbe", chemin, texte));
    EXPECT_EQ(texte, "ligne 1\nligne 2\r\nfin");
    ASSERT_TRUE(ChargerConjugaison("exact", chemin, texte));
    EXPECT_EQ(texte, std::string(CAPACITE_TEXTE_CONJUGAISON, 'x'));
    ASSERT_TRUE(ChargerConjugaison("nul", chemin, texte));
    EXPECT_EQ(texte, "avant");  // a 0x00 ends the text
}

// A stored text that does not inflate is traced; a word with no row is an
// ordinary miss and leaves no diagnostic. Both empty the text.
TEST_F(FenetreConjugaison, FailuresEmptyTheTextAndOnlyDamagedRowsAreTraced) {
    FaireBase("c.db");
    const std::string chemin = base_.Chemin("c.db");
    const struct {
        const char* verbe;
        const char* trace;
    } cas[] = {
        {"trop", "PROBLEME DE DECOMPRESSION E1 (taille 10000)\n"},
        {"corrompu", "PROBLEME DE DECOMPRESSION E1 (taille 10000)\n"},
        {"absent", ""},
        {"Verbe", ""},
        {"verbe ", ""},
        {"", ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.verbe);
        std::string texte = "ancien";
        testing::internal::CaptureStdout();
        EXPECT_FALSE(ChargerConjugaison(c.verbe, chemin, texte));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.trace);
        EXPECT_EQ(texte, "");
    }
}

TEST_F(FenetreConjugaison, MissingDatabaseFailsAndIsNotCreated) {
    std::string texte;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(ChargerConjugaison("verbe", base_.Chemin("absente.db"), texte));
    EXPECT_EQ(testing::internal::GetCapturedStdout().find("PROBLEME DE DECOMPRESSION E1"), std::string::npos);
    EXPECT_FALSE(fs::exists(base_.Chemin("absente.db")));
}

TEST_F(FenetreConjugaison, EmptyPathReadsTheDefaultNameInTheCurrentFolder) {
    FaireBase(BASE_CONJUGAISONS_DEFAUT);
    const fs::path avant = fs::current_path();
    fs::current_path(base_.Dossier());
    std::string texte;
    const bool trouve = ChargerConjugaison("verbe", "", texte);
    fs::current_path(avant);
    EXPECT_TRUE(trouve);
    EXPECT_EQ(texte, "ligne 1\nligne 2\r\nfin");
}

TEST_F(FenetreConjugaison, WithoutTheResourceNothingIsShownNorWritten) {
    std::string chemin;
    EXPECT_FALSE(PreparerBaseConjugaisons(chemin));
    EXPECT_EQ(chemin, Copie());
    EXPECT_FALSE(ZephJugaison("verbe"));
    EXPECT_TRUE(interface_.Journal().empty());
    EXPECT_TRUE(fs::is_empty(Prive()));  // no copy, no leftover
}

TEST(ModeleTableauConjugaisonTest, TemplateHasTheFixedFontEditAndOk) {
    const ModeleDialogue m = ModeleTableauConjugaison();
    EXPECT_EQ(m.id, 49001);
    EXPECT_TRUE(m.policeFixe);
    EXPECT_EQ(m.titre, "Zeph - Tableau de Conjugaison");
    const ControleModele* texte = m.Controle(IDC_TEXTE_CONJUGAISON);
    ASSERT_NE(texte, nullptr);
    EXPECT_EQ(texte->type, TypeControle::Edition);
    EXPECT_EQ((std::vector<int>{texte->x, texte->y, texte->largeur, texte->hauteur}), (std::vector<int>{7, 7, 596, 358}));
    EXPECT_TRUE(texte->styles & STYLE_MULTILIGNE);
    EXPECT_TRUE(texte->styles & STYLE_LECTURE_SEULE);
    EXPECT_TRUE(texte->styles & STYLE_POLICE_FIXE);
    EXPECT_FALSE(texte->styles & STYLE_DEFILEMENT_VERTICAL);
    const ControleModele* ok = m.Controle(ID_OK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ((std::vector<int>{ok->x, ok->y, ok->largeur, ok->hauteur}), (std::vector<int>{279, 369, 50, 14}));
    EXPECT_TRUE(ok->styles & STYLE_BOUTON_DEFAUT);
}

}  // namespace
