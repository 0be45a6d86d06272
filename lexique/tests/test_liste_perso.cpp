#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "lexique/DossierDonneesUtilisateur.h"
#include "lexique/ListePerso.h"
#include "lexique/tests/EnvironnementEssai.h"
#include "text/tests/DossierEssai.h"

namespace {

namespace fs = std::filesystem;

bool EstDossier(const std::string& chemin) { return fs::is_directory(chemin); }

TEST(DossierDonneesUtilisateur, SousLeDossierXdgEtCreeQuandQuillonEstNouveau) {
    DossierEssai xdg;
    VariableEssai variable("XDG_DATA_HOME", xdg.Chemin() + "/");
    EXPECT_EQ(DossierDonneesUtilisateur(), xdg.Chemin() + "/Quillon/Zeph/");
    EXPECT_TRUE(EstDossier(xdg.Chemin() + "/Quillon/Zeph"));
}

TEST(DossierDonneesUtilisateur, RienNEstCreeQuandQuillonExisteDeja) {
    DossierEssai xdg;
    ASSERT_EQ(mkdir((xdg.Chemin() + "/Quillon").c_str(), 0700), 0);
    VariableEssai variable("XDG_DATA_HOME", xdg.Chemin());
    EXPECT_EQ(DossierDonneesUtilisateur(), xdg.Chemin() + "/Quillon/Zeph/");
    EXPECT_FALSE(EstDossier(xdg.Chemin() + "/Quillon/Zeph"));
}

TEST(DossierDonneesUtilisateur, SansXdgValableLeDossierPersonnelSert) {
    DossierEssai maison;
    fs::create_directories(maison.Chemin() + "/.local/share");
    VariableEssai home("HOME", maison.Chemin());
    for (const std::optional<std::string>& xdg : {std::optional<std::string>(), std::optional<std::string>("relatif/share")}) {
        VariableEssai variable("XDG_DATA_HOME", xdg);
        EXPECT_EQ(DossierDonneesUtilisateur(), maison.Chemin() + "/.local/share/Quillon/Zeph/");
    }
    EXPECT_TRUE(EstDossier(maison.Chemin() + "/.local/share/Quillon/Zeph"));
    EXPECT_FALSE(EstDossier("relatif"));
}

// A data folder of its own for each test, holding the list file when one is written.
class ListePersoEssai : public ::testing::Test {
protected:
    ListePersoEssai() : xdg_("XDG_DATA_HOME", donnees_.Chemin()), dossier_(DossierDonneesUtilisateur()) {}

    void EcrireListe(const std::string& contenu) const {
        std::FILE* f = std::fopen((dossier_ + NOM_LISTE_PERSO).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(contenu.data(), 1, contenu.size(), f);
        std::fclose(f);
    }
    bool Charger(const std::string& contenu) {
        EcrireListe(contenu);
        return liste_.ChargerListePerso(NOM_LISTE_PERSO, erreur_);
    }

    DossierEssai donnees_;
    VariableEssai xdg_;
    std::string dossier_;
    ListePerso liste_{nullptr};
    std::string erreur_ = "avant";
};

TEST_F(ListePersoEssai, TableDesEchecs) {
    const struct {
        const char* nom;
        std::string contenu;
        const char* erreur;
    } cas[] = {
        {"aucune ligne", "", ERREUR_FICHIER_VIDE},
        {"version 1.1", "version=1.1,controle=d41d8cd98f\n", ERREUR_VERSION},
        {"cle Version", "Version=1.0,controle=d41d8cd98f\n", ERREUR_VERSION},
        {"version absente", "controle=d41d8cd98f\nlibelle=maison\n", ERREUR_VERSION},
        {"version 1.0.0", "version=1.0.0,controle=d41d8cd98f", ERREUR_VERSION},
        {"controle absent", "version=1.0\nlibelle=maison\n", ERREUR_CONTROLE},
        {"controle faux", "version=1.0,controle=0000000000\nlibelle=maison\n", ERREUR_CONTROLE},
        {"controle en capitales", "version=1.0,controle=1F2E0146AF\nlibelle=maison\n", ERREUR_CONTROLE},
        {"controle entier", "version=1.0,controle=1f2e0146af00b2\nlibelle=maison\n", ERREUR_CONTROLE},
        {"controle d'une liste vide", "version=1.0,controle=d41d8cd98f\nlibelle=maison\n", ERREUR_CONTROLE},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        ASSERT_TRUE(Charger("version=1.0,controle=1f2e0146af\nlibelle=maison\n"));
        ASSERT_EQ(liste_.Entrees().size(), 1u);
        erreur_ = "avant";
        EXPECT_FALSE(Charger(c.contenu));
        EXPECT_EQ(erreur_, c.erreur);
        EXPECT_TRUE(liste_.Entrees().empty());
    }
}

TEST_F(ListePersoEssai, FichierAbsentNeChangeNiLErreurNiLesEntrees) {
    ASSERT_TRUE(Charger("version=1.0,controle=1f2e0146af\nlibelle=maison\n"));
    fs::remove(dossier_ + NOM_LISTE_PERSO);
    EXPECT_FALSE(liste_.ChargerListePerso(NOM_LISTE_PERSO, erreur_));
    EXPECT_EQ(erreur_, "avant");
    ASSERT_EQ(liste_.Entrees().size(), 1u);
    EXPECT_EQ(liste_.Entrees()[0].libelle, "maison");

    ListePerso neuve(nullptr);
    EXPECT_FALSE(neuve.ChargerListePerso("autre.txt", erreur_));
    EXPECT_EQ(erreur_, "avant");
    EXPECT_TRUE(neuve.Entrees().empty());
    EXPECT_EQ(neuve.NomFichier(), "autre.txt");
}

TEST_F(ListePersoEssai, EnteteSeulAvecLeControleDeLaListeVide) {
    EXPECT_TRUE(Charger("version=1.0,controle=d41d8cd98f"));
    EXPECT_TRUE(liste_.Entrees().empty());
    EXPECT_EQ(erreur_, "avant");
    EXPECT_EQ(liste_.ControleListePerso(), "d41d8cd98f");
}

TEST_F(ListePersoEssai, ClesEtValeursElagueesEtChampsLus) {
    ASSERT_TRUE(Charger(" version = 1.0 ,  controle=a1950497e4 ,auteur=moi\r\n"
                        "actif = true , libelle= maison ,type=nom,titre=Maison,genre=f,nombre=s,"
                        "description=un b\xE2timent,formesingulier=maison,formepluriel=maisons,SousType=lieu,"
                        "inconnue=x\r\n"
                        "libelle=jardin,actif=True\r\n"));
    ASSERT_EQ(liste_.Entrees().size(), 2u);
    const EntreePerso& maison = liste_.Entrees()[0];
    EXPECT_EQ(maison.libelle, "maison");
    EXPECT_EQ(maison.type, "nom");
    EXPECT_EQ(maison.titre, "Maison");
    EXPECT_EQ(maison.genre, "f");
    EXPECT_EQ(maison.nombre, "s");
    EXPECT_EQ(maison.description, "un b\xE2timent");
    EXPECT_EQ(maison.formesingulier, "maison");
    EXPECT_EQ(maison.formepluriel, "maisons");
    EXPECT_EQ(maison.SousType, "lieu");
    EXPECT_TRUE(maison.actif);
    EXPECT_TRUE(maison.valide);
    const EntreePerso& jardin = liste_.Entrees()[1];
    EXPECT_EQ(jardin.libelle, "jardin");
    EXPECT_FALSE(jardin.actif);  // only "true" exactly
    EXPECT_TRUE(jardin.type.empty());
    EXPECT_EQ(liste_.NomFichier(), NOM_LISTE_PERSO);
}

TEST_F(ListePersoEssai, LigneVideFinaleDonneUneEntreeVideSansChangerLeControle) {
    ASSERT_TRUE(Charger("version=1.0,controle=1f2e0146af\nlibelle=maison\n\n"));
    ASSERT_EQ(liste_.Entrees().size(), 2u);
    const EntreePerso& vide = liste_.Entrees()[1];
    EXPECT_TRUE(vide.libelle.empty());
    EXPECT_TRUE(vide.type.empty());
    EXPECT_FALSE(vide.actif);
    EXPECT_TRUE(vide.valide);
}

TEST_F(ListePersoEssai, SeulLePremierEgalCoupeEtLaPremiereCleCompte) {
    ASSERT_TRUE(Charger("version=1.0,controle=7acaac1549\nlibelle=a=b,libelle=c\n"));
    ASSERT_EQ(liste_.Entrees().size(), 1u);
    EXPECT_EQ(liste_.Entrees()[0].libelle, "a=b");
}

TEST_F(ListePersoEssai, LeControleCouvreLesLibellesEtLeurOrdreSeulement) {
    EXPECT_TRUE(Charger("version=1.0,controle=14bfcc4be3\nlibelle=chat,description=un\nlibelle=chien\n"));
    EXPECT_TRUE(Charger("version=1.0,controle=14bfcc4be3\nlibelle=chat,description=deux,genre=m\nlibelle=chien\n"));
    EXPECT_FALSE(Charger("version=1.0,controle=14bfcc4be3\nlibelle=chien\nlibelle=chat\n"));
    EXPECT_EQ(erreur_, ERREUR_CONTROLE);
    EXPECT_TRUE(Charger("version=1.0,controle=8065f5e68d\nlibelle=chien\nlibelle=chat\n"));
    EXPECT_FALSE(Charger("version=1.0,controle=14bfcc4be3\nlibelle=chat\n"));
    // Windows-1252 bytes are digested as they are.
    EXPECT_TRUE(Charger("version=1.0,controle=961f50f628\nlibelle=caf\xE9\n"));
}

TEST_F(ListePersoEssai, DossierInaccessibleLuDepuisLeDossierCourant) {
    DossierEssai courant;
    courant.Ecrire(NOM_LISTE_PERSO, "version=1.0,controle=1f2e0146af\nlibelle=maison\n");
    // A regular file where the data folder should be: it cannot be entered.
    const std::string bloque = donnees_.Ecrire("bloque", "");
    VariableEssai xdg("XDG_DATA_HOME", bloque);
    DossierCourantEssai dans(courant.Chemin());
    ASSERT_TRUE(liste_.ChargerListePerso(NOM_LISTE_PERSO, erreur_));
    ASSERT_EQ(liste_.Entrees().size(), 1u);
    EXPECT_EQ(liste_.Entrees()[0].libelle, "maison");
    EXPECT_EQ(DossierCourant(), fs::canonical(courant.Chemin()).string());
}

TEST_F(ListePersoEssai, DossierAccessibleSansFichierNeRegardePasLeDossierCourant) {
    DossierEssai courant;
    courant.Ecrire(NOM_LISTE_PERSO, "version=1.0,controle=1f2e0146af\nlibelle=maison\n");
    DossierCourantEssai dans(courant.Chemin());
    EXPECT_FALSE(liste_.ChargerListePerso(NOM_LISTE_PERSO, erreur_));
    EXPECT_TRUE(liste_.Entrees().empty());
    EXPECT_EQ(DossierCourant(), fs::canonical(courant.Chemin()).string());
}

}  // namespace
