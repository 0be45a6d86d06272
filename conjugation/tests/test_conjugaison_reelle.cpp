#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "conjugation/Conjugaison.h"
#include "conjugation/fenetre/ZephJugaison.h"
#include "data/Ressources.h"
#include "platform/dialogue/SansEcran.h"

// The conjugation window on the database the build makes from verbiste,
// embedded in this executable as the program embeds it.
namespace {

namespace fs = std::filesystem;

std::string LireFichier(const std::string& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>());
}

class ConjugaisonReelle : public ::testing::Test {
protected:
    void SetUp() override {
        temporaire_ = (fs::temp_directory_path() / ("vocalia_conjugaison_reelle_" + std::to_string(::getpid()))).string();
        fs::remove_all(temporaire_);
        fs::create_directories(temporaire_);
        fs::permissions(temporaire_, fs::perms::owner_all);
        const char* ancien = std::getenv("XDG_RUNTIME_DIR");
        avaitTmp_ = ancien != nullptr;
        ancienTmp_ = ancien ? ancien : "";
        setenv("XDG_RUNTIME_DIR", temporaire_.c_str(), 1);
        DefinirInterface(&interface_);
    }
    void TearDown() override {
        DefinirInterface(nullptr);
        if (avaitTmp_) setenv("XDG_RUNTIME_DIR", ancienTmp_.c_str(), 1);
        else unsetenv("XDG_RUNTIME_DIR");
        fs::remove_all(temporaire_);
    }

    // The one journal entry of a request: the window, or the message.
    EvenementInterface Montrer(const std::string& verbe, bool attendu) {
        interface_.ViderJournal();
        testing::internal::CaptureStdout();
        EXPECT_EQ(ZephJugaison(verbe), attendu);
        traces_ = testing::internal::GetCapturedStdout();
        EXPECT_EQ(interface_.Journal().size(), 1u);
        return interface_.Journal().empty() ? EvenementInterface() : interface_.Journal()[0];
    }
    std::string Prive() const { return temporaire_ + "/vocalia"; }
    std::string Copie() const { return Prive() + "/" + NOM_COPIE_CONJUGAISONS; }

    std::string temporaire_, ancienTmp_, traces_;
    bool avaitTmp_ = false;
    InterfaceSansEcran interface_;
};

TEST_F(ConjugaisonReelle, FinirShowsItsTableWithCrLf) {
    const EvenementInterface fenetre = Montrer("finir", true);
    EXPECT_EQ(fenetre.type, EvenementInterface::Type::Fenetre);
    EXPECT_EQ(fenetre.titre, "ZephJugaison - VERBE finir");
    EXPECT_NE(fenetre.texte.find("finissons"), std::string::npos);
    EXPECT_NE(fenetre.texte.find("j'ai fini"), std::string::npos);
    EXPECT_NE(fenetre.texte.find("que je finisse"), std::string::npos);
    EXPECT_NE(fenetre.texte.find("\r\n"), std::string::npos);
    for (std::size_t i = fenetre.texte.find('\n'); i != std::string::npos; i = fenetre.texte.find('\n', i + 1))
        ASSERT_EQ(fenetre.texte[i - 1], '\r') << "at " << i;
    EXPECT_EQ(traces_, "");
}

TEST_F(ConjugaisonReelle, CompoundTensesUseTheRightAuxiliary) {
    const struct {
        const char* verbe;
        const char* forme;
    } cas[] = {
        {"aller", "je suis all\xE9"},
        {"aller", "nous sommes all\xE9s"},
        {"venir", "je suis venu"},
        {"aimer", "j'ai aim\xE9"},
        {"\xEAtre", "j'ai \xE9t\xE9"},
        {"absenter", "je me suis absent\xE9"},
        {"ha\xEFr", "je hais"},
        {"habiter", "j'habite"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.verbe);
        const EvenementInterface fenetre = Montrer(c.verbe, true);
        EXPECT_EQ(fenetre.titre, std::string("ZephJugaison - VERBE ") + c.verbe);
        EXPECT_NE(fenetre.texte.find(c.forme), std::string::npos);
    }
}

TEST_F(ConjugaisonReelle, WordsThatAreNotStoredVerbsGiveTheWarning) {
    const struct {
        const char* mot;
        const char* message;
    } cas[] = {
        {"Aimer", "La conjugaison de [Aimer] ne peut pas \xEAtre affich\xE9" "e"},
        {"", "La conjugaison de [] ne peut pas \xEAtre affich\xE9" "e"},
        {"finir ", "La conjugaison de [finir ] ne peut pas \xEAtre affich\xE9" "e"},
        {"maison", "La conjugaison de [maison] ne peut pas \xEAtre affich\xE9" "e"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.mot);
        const EvenementInterface message = Montrer(c.mot, false);
        EXPECT_EQ(message.type, EvenementInterface::Type::Message);
        EXPECT_EQ(message.titre, "Zeph");
        EXPECT_EQ(message.texte, c.message);
        EXPECT_EQ(message.icone, Icone::Avertissement);
        EXPECT_EQ(traces_, "");  // not a stored verb: a miss, not damaged data
    }
}

TEST_F(ConjugaisonReelle, CopyIsWrittenOnceAndRemadeWhenDamagedOrDeleted) {
    EXPECT_FALSE(fs::exists(Copie()));
    Montrer("finir", true);
    ASSERT_TRUE(fs::exists(Copie()));
    const BlocOctets ressource = LireRessource(RESSOURCE_CONJUGAISONS);
    ASSERT_FALSE(ressource.Vide());
    EXPECT_EQ(LireFichier(Copie()),
              std::string(reinterpret_cast<const char*>(ressource.Donnees()), ressource.Taille()));
    EXPECT_EQ(std::distance(fs::directory_iterator(Prive()), fs::directory_iterator()), 1);  // no leftover

    // A damaged copy is written again, and the verb is shown.
    std::ofstream(Copie(), std::ios::binary | std::ios::trunc) << "abime";
    EXPECT_EQ(Montrer("finir", true).titre, "ZephJugaison - VERBE finir");
    EXPECT_EQ(LireFichier(Copie()).size(), ressource.Taille());

    fs::remove(Copie());
    EXPECT_EQ(Montrer("finir", true).titre, "ZephJugaison - VERBE finir");
}

}  // namespace
