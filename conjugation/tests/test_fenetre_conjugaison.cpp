#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "conjugation/Conjugaison.h"
#include "conjugation/TableauConjugaison.h"
#include "conjugation/tests/BaseEssai.h"
#include "data/Ressources.h"
#include "platform/dialogue/SansEcran.h"
#include "conjugation/base/IndexeurSecDB.h"

// This executable embeds no conjugation resource: the on-disk copy is either
// made by the test or cannot be made at all.
namespace {

namespace fs = std::filesystem;

const char* const Avertissement = "La conjugaison de [absent] ne peut pas \xEAtre affich\xE9" "e";

std::string Contenu(const std::string& texte, const std::string& verbe, bool deflate = true) {
    const std::vector<unsigned char> octets(texte.begin(), texte.end());
    const std::vector<unsigned char> emballe = EmballerDonnees(octets, deflate, true, verbe, nullptr);
    return std::string(emballe.begin(), emballe.end());
}

class FenetreConjugaison : public ::testing::Test {
protected:
    void SetUp() override {
        const char* ancien = std::getenv("TMPDIR");
        ancienTmp_ = ancien ? ancien : "";
        avaitTmp_ = ancien != nullptr;
        temporaire_ = base_.Chemin("tmp");
        fs::create_directories(temporaire_);
        setenv("TMPDIR", temporaire_.c_str(), 1);
        DefinirInterface(&interface_);
    }
    void TearDown() override {
        DefinirInterface(nullptr);
        if (avaitTmp_) setenv("TMPDIR", ancienTmp_.c_str(), 1);
        else unsetenv("TMPDIR");
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
    std::string Copie() const { return temporaire_ + "/" + NOM_COPIE_CONJUGAISONS; }

    BaseEssai base_{"fenetre_conjugaison"};
    std::string temporaire_;
    std::string ancienTmp_;
    bool avaitTmp_ = false;
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

TEST_F(FenetreConjugaison, ShowsTheTextWithCrLfAndTheVerbInTheTitle) {
    FaireBase("tmp/" + std::string(NOM_COPIE_CONJUGAISONS));  // an existing copy is used as it is
    TableauConjugaison* vu = nullptr;
    std::string titreVu, texteVu;
    interface_.DefinirPilote([&](Dialogue& dialogue) {
        vu = dynamic_cast<TableauConjugaison*>(&dialogue);
        titreVu = dialogue.Titre();
        texteVu = dialogue.TexteControle(IDC_TEXTE_CONJUGAISON);
        dialogue.Notifier(ID_OK, Notification::Clic);
    });
    ASSERT_TRUE(ZephJugaison("verbe"));
    ASSERT_NE(vu, nullptr);
    EXPECT_EQ(titreVu, "ZephJugaison - VERBE verbe");
    EXPECT_EQ(texteVu, "ligne 1\r\nligne 2\r\r\nfin");  // a stored CR LF becomes CR CR LF
    EXPECT_TRUE(interface_.Journal().empty());
}

TEST_F(FenetreConjugaison, NestedWindowIsJournalledWithItsCaptionAndText) {
    FaireBase("tmp/" + std::string(NOM_COPIE_CONJUGAISONS));
    ASSERT_TRUE(ZephJugaison("exact"));  // outermost, no pilot: recorded and closed
    ASSERT_EQ(interface_.Journal().size(), 1u);
    const EvenementInterface& fenetre = interface_.Journal()[0];
    EXPECT_EQ(fenetre.type, EvenementInterface::Type::Fenetre);
    EXPECT_EQ(fenetre.titre, "ZephJugaison - VERBE exact");
    EXPECT_EQ(fenetre.texte, std::string(CAPACITE_TEXTE_CONJUGAISON, 'x'));
}

TEST_F(FenetreConjugaison, UnknownVerbGivesTheWarningWithoutATrace) {
    FaireBase("tmp/" + std::string(NOM_COPIE_CONJUGAISONS));
    testing::internal::CaptureStdout();
    EXPECT_FALSE(ZephJugaison("absent"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    ASSERT_EQ(interface_.Journal().size(), 1u);
    const EvenementInterface& message = interface_.Journal()[0];
    EXPECT_EQ(message.type, EvenementInterface::Type::Message);
    EXPECT_EQ(message.titre, "Zeph");
    EXPECT_EQ(message.texte, Avertissement);
    EXPECT_EQ(message.icone, Icone::Avertissement);
}

TEST_F(FenetreConjugaison, WithoutTheResourceNothingIsShownNorWritten) {
    std::string chemin;
    EXPECT_FALSE(PreparerBaseConjugaisons(chemin));
    EXPECT_EQ(chemin, Copie());
    EXPECT_FALSE(ZephJugaison("verbe"));
    EXPECT_TRUE(interface_.Journal().empty());
    EXPECT_TRUE(fs::is_empty(temporaire_));  // no copy, no leftover
}

TEST_F(FenetreConjugaison, AnythingAtThePathCountsAsTheCopy) {
    fs::create_directory(Copie());
    std::string chemin;
    ASSERT_TRUE(PreparerBaseConjugaisons(chemin));
    EXPECT_EQ(chemin, Copie());
    testing::internal::CaptureStdout();
    EXPECT_FALSE(ZephJugaison("verbe"));
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(interface_.Journal().size(), 1u);
    EXPECT_EQ(interface_.Journal()[0].texte, "La conjugaison de [verbe] ne peut pas \xEAtre affich\xE9" "e");
    EXPECT_TRUE(fs::is_directory(Copie()));
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
