#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/dialogue/GeometrieFenetre.h"

namespace {

namespace fs = std::filesystem;

class Geometrie : public ::testing::Test {
protected:
    void SetUp() override {
        dossier_ = fs::temp_directory_path() / ("geometrie_" + std::to_string(::getpid()));
        fs::remove_all(dossier_);
        fs::create_directories(dossier_);
        Sauver("XDG_CONFIG_HOME", ancienXdg_, avaitXdg_);
        Sauver("HOME", ancienHome_, avaitHome_);
        setenv("XDG_CONFIG_HOME", (dossier_ / "config").c_str(), 1);
    }
    void TearDown() override {
        Restaurer("XDG_CONFIG_HOME", ancienXdg_, avaitXdg_);
        Restaurer("HOME", ancienHome_, avaitHome_);
        fs::remove_all(dossier_);
    }
    static void Sauver(const char* nom, std::string& valeur, bool& avait) {
        const char* v = std::getenv(nom);
        avait = v != nullptr;
        valeur = v ? v : "";
    }
    static void Restaurer(const char* nom, const std::string& valeur, bool avait) {
        if (avait) setenv(nom, valeur.c_str(), 1);
        else unsetenv(nom);
    }
    std::string Ecrire(const std::string& contenu) {
        const std::string chemin = (dossier_ / "fenetre.txt").string();
        std::ofstream(chemin, std::ios::binary) << contenu;
        return chemin;
    }

    fs::path dossier_;
    std::string ancienXdg_, ancienHome_;
    bool avaitXdg_ = false, avaitHome_ = false;
};

TEST_F(Geometrie, LeDossierSuitXdgPuisHome) {
    EXPECT_EQ(DossierConfiguration(), (dossier_ / "config" / "vocalia").string());
    EXPECT_EQ(CheminGeometrie("principale"), (dossier_ / "config" / "vocalia" / "principale.txt").string());
    setenv("XDG_CONFIG_HOME", "relatif", 1);  // ignored, as the XDG rules say
    setenv("HOME", "/maison", 1);
    EXPECT_EQ(DossierConfiguration(), "/maison/.config/vocalia");
    // Without $HOME, the account's home folder, as for the other folders of ours.
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("HOME");
    const passwd* compte = getpwuid(geteuid());
    const std::string maison = compte && compte->pw_dir && compte->pw_dir[0] == '/' ? compte->pw_dir : "";
    EXPECT_EQ(DossierConfiguration(), maison.empty() ? "" : maison + "/.config/vocalia");
    EXPECT_EQ(CheminGeometrie(""), "");
    EXPECT_FALSE(EcrireGeometrie("", {}));
}

TEST_F(Geometrie, EcriteDansUnDossierNeufPuisRelue) {
    const std::string chemin = CheminGeometrie("principale");
    ASSERT_TRUE(EcrireGeometrie(chemin, {-12, 40, 1200, 900}));
    const auto lue = LireGeometrie(chemin);
    ASSERT_TRUE(lue.has_value());
    EXPECT_EQ(lue->x, -12);
    EXPECT_EQ(lue->y, 40);
    EXPECT_EQ(lue->largeur, 1200);
    EXPECT_EQ(lue->hauteur, 900);
    EXPECT_FALSE(fs::exists(chemin + ".part"));
}

TEST_F(Geometrie, UnFichierAbimeEstIgnore) {
    const char* abimes[] = {
        "",
        "position 10 20\n",
        "taille 800 600\nposition 10 20\n",
        "position 10 20\ntaille 800\n",
        "position 10 20\ntaille 800 600 4\n",
        "position 10 vingt\ntaille 800 600\n",
        "position 10 20\ntaille 0 600\n",
        "position 10 20\ntaille -800 600\n",
        "position 10 20\ntaille 99999999999 600\n",
        "position 10 20\ntaille 800 600\nde trop\n",
        "\xFF\xFE\x00p\x00o",
    };
    for (const char* contenu : abimes) {
        SCOPED_TRACE(contenu);
        EXPECT_FALSE(LireGeometrie(Ecrire(contenu)).has_value());
    }
    EXPECT_FALSE(LireGeometrie((dossier_ / "absent.txt").string()).has_value());
    EXPECT_FALSE(LireGeometrie(dossier_.string()).has_value());  // a folder
    EXPECT_FALSE(LireGeometrie(Ecrire(std::string(300, ' ') + "position 1 2\ntaille 3 4\n")).has_value());
    EXPECT_TRUE(LireGeometrie(Ecrire("position 10 20\ntaille 800 600\n")).has_value());
    EXPECT_TRUE(LireGeometrie(Ecrire("position 10 20\r\ntaille 800 600")).has_value());
}

}  // namespace
