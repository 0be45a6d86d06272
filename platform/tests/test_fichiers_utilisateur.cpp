#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "platform/DossiersXdg.h"
#include "platform/RemplacementFichier.h"

namespace fs = std::filesystem;

namespace {

// Sets (or unsets) a variable for the life of the object.
class Variable {
public:
    Variable(const char* nom, std::optional<std::string> valeur) : nom_(nom) {
        if (const char* ancienne = std::getenv(nom)) ancienne_ = ancienne;
        if (valeur) setenv(nom, valeur->c_str(), 1); else unsetenv(nom);
    }
    ~Variable() {
        if (ancienne_) setenv(nom_, ancienne_->c_str(), 1); else unsetenv(nom_);
    }

private:
    const char* nom_;
    std::optional<std::string> ancienne_;
};

std::string Lire(const fs::path& chemin) {
    std::ifstream fichier(chemin, std::ios::binary);
    std::ostringstream contenu;
    contenu << fichier.rdbuf();
    return contenu.str();
}

class Dossier : public ::testing::Test {
protected:
    void SetUp() override {
        char modele[] = "/tmp/vocalia-fichiers-XXXXXX";
        ASSERT_NE(mkdtemp(modele), nullptr);
        dossier_ = modele;
    }
    void TearDown() override { fs::remove_all(dossier_); }
    std::size_t Entrees() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dossier_), fs::directory_iterator()));
    }
    fs::path dossier_;
};

}  // namespace

TEST(DossiersXdg, LaVariableAbsoluePuisLeDossierPersonnel) {
    const std::string compte = [] {
        const passwd* p = getpwuid(geteuid());
        return p && p->pw_dir ? std::string(p->pw_dir) : std::string();
    }();
    struct Cas {
        std::optional<std::string> xdg, home;
        std::string attendu;
    };
    const Cas cas[] = {
        {"/x/config", "/maison", "/x/config"},
        {"/x/config//", "/maison", "/x/config"},
        {"relatif", "/maison", "/maison/.config"},  // the rules ignore a relative path
        {"", "/maison/", "/maison/.config"},
        {std::nullopt, "/", "/.config"},
        {std::nullopt, "maison", compte.empty() ? "" : compte + "/.config"},  // a relative $HOME is no home
        {std::nullopt, std::nullopt, compte.empty() ? "" : compte + "/.config"},
    };
    for (const Cas& c : cas) {
        Variable xdg("XDG_CONFIG_HOME", c.xdg);
        Variable home("HOME", c.home);
        EXPECT_EQ(DossierXdg("XDG_CONFIG_HOME", ".config"), c.attendu)
            << c.xdg.value_or("(rien)") << " / " << c.home.value_or("(rien)");
    }
}

TEST_F(Dossier, RemplaceLeFichierEntierEtNeLaisseRienAcote) {
    const fs::path cible = dossier_ / "f.txt";
    ASSERT_TRUE(RemplacerFichier(cible.string(), "premier"));
    ASSERT_TRUE(RemplacerFichier(cible.string(), std::string_view("second\0octet", 12)));
    EXPECT_EQ(Lire(cible), std::string("second\0octet", 12));
    EXPECT_EQ(Entrees(), 1u);
    // Ordinary permissions, not the private ones of a unique temporary file.
    const mode_t masque = umask(022);
    ASSERT_TRUE(RemplacerFichier(cible.string(), "troisieme"));
    umask(masque);
    EXPECT_EQ(fs::status(cible).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(Dossier, UnEchecGardeLAncienContenu) {
    const fs::path cible = dossier_ / "f.txt";
    ASSERT_TRUE(RemplacerFichier(cible.string(), "ancien"));
    EXPECT_FALSE(RemplacerFichier(cible.string(), [](const std::string& provisoire) {
        std::ofstream(provisoire) << "moitie";
        return false;
    }));
    EXPECT_EQ(Lire(cible), "ancien");
    EXPECT_EQ(Entrees(), 1u);
    EXPECT_FALSE(RemplacerFichier((dossier_ / "absent" / "f.txt").string(), "x"));
    EXPECT_FALSE(RemplacerFichier("", "x"));
}

TEST_F(Dossier, UnLienALaPlaceDeLaCibleEstRemplaceSansEcrireAuBout) {
    const fs::path ailleurs = dossier_ / "ailleurs.txt";
    std::ofstream(ailleurs) << "intact";
    const fs::path cible = dossier_ / "f.txt";
    fs::create_symlink(ailleurs, cible);
    ASSERT_TRUE(RemplacerFichier(cible.string(), "neuf"));
    EXPECT_FALSE(fs::is_symlink(cible));
    EXPECT_EQ(Lire(cible), "neuf");
    EXPECT_EQ(Lire(ailleurs), "intact");
}
