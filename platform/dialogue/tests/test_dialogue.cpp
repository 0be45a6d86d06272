#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dialogue/ControleEdition.h"
#include "platform/dialogue/Dialogue.h"
#include "platform/dialogue/EchangeDonnees.h"
#include "platform/dialogue/SansEcran.h"

namespace {

constexpr int ID_NOM = 10, ID_CASE = 11, ID_BOUTON = 12, ID_LISTE = 13, ID_LIEN = 14, ID_ETIQUETTE = 15,
              ID_PANNEAU = 16;

ModeleDialogue ModeleEssai() {
    ModeleDialogue m;
    m.id = 900;
    m.titre = "Essai";
    m.largeur = 200;
    m.hauteur = 100;
    m.controles = {
        {ID_NOM, TypeControle::Edition, "", 5, 5, 50, 12, STYLE_DEFILEMENT_HORIZONTAL_AUTO},
        {ID_BOUTON, TypeControle::Bouton, "go", 60, 5, 30, 12, STYLE_BOUTON_DEFAUT},
        {ID_CASE, TypeControle::CaseACocher, "case", 5, 20, 40, 8, STYLE_AUCUN},
        {ID_LISTE, TypeControle::Liste, "", 5, 30, 40, 60, STYLE_NOTIFIE},
        {ID_LIEN, TypeControle::Statique, "lien", 50, 30, 40, 8, STYLE_NOTIFIE},
        {ID_ETIQUETTE, TypeControle::Statique, "fixe", 50, 40, 40, 8, STYLE_AUCUN},
        {ID_STATIQUE, TypeControle::Statique, "sans id", 50, 50, 40, 8, STYLE_AUCUN},
        {ID_PANNEAU, TypeControle::Edition, "", 100, 5, 90, 80, STYLE_MULTILIGNE | STYLE_LECTURE_SEULE},
    };
    return m;
}

class Pliable : public ControleEdition {
public:
    std::vector<std::pair<int, std::string>> vus;
    bool SurDoubleClic() override {
        vus.emplace_back(DebutSelection(), Texte());
        return true;
    }
};

class DialogueEssai : public Dialogue {
public:
    std::string nom;
    int coche = 0;
    std::vector<std::string> clics;
    Pliable panneau;
    bool initialise = false;

    DialogueEssai() : Dialogue(ModeleEssai()) {
        Associer(ID_BOUTON, Notification::Clic, [this] {
            MettreAJourDonnees(true);
            clics.push_back("bouton:" + nom + ":" + std::to_string(coche));
        });
        Associer(ID_CASE, Notification::Clic, [this] { clics.push_back("case"); });
        Associer(ID_LISTE, Notification::SelectionChangee,
                 [this] { clics.push_back("liste:" + std::to_string(ListeSelection(ID_LISTE))); });
        Associer(ID_LIEN, Notification::Clic, [this] { clics.push_back("lien"); });
    }

protected:
    bool OnInitDialog() override {
        Dialogue::OnInitDialog();
        SousClasser(ID_PANNEAU, panneau);
        initialise = true;
        return true;
    }
    void DoDataExchange(EchangeDonnees& dx) override {
        dx.Texte(ID_NOM, nom);
        dx.Coche(ID_CASE, coche);
    }
};

class DialogueSansEcran : public ::testing::Test {
protected:
    InterfaceSansEcran interface;
    void SetUp() override { DefinirInterface(&interface); }
    void TearDown() override { DefinirInterface(nullptr); }
};

FenetreSansEcran& Fenetre(Dialogue& d) { return static_cast<FenetreSansEcran&>(*d.Fenetre()); }

TEST_F(DialogueSansEcran, EchangeLesMembresDansLesDeuxSens) {
    DialogueEssai d;
    d.nom = "d\xE9part";
    d.coche = 1;
    ASSERT_TRUE(d.Creer());
    EXPECT_TRUE(d.initialise);
    EXPECT_EQ(d.TexteControle(ID_NOM), "d\xE9part");
    EXPECT_EQ(d.CocheControle(ID_CASE), 1);

    Fenetre(d).Saisir(ID_NOM, "arriv\xE9" "e");
    Fenetre(d).Cliquer(ID_CASE);  // toggles to 0, then notifies
    EXPECT_EQ(d.nom, "d\xE9part");  // nothing saved yet
    d.MettreAJourDonnees(true);
    EXPECT_EQ(d.nom, "arriv\xE9" "e");
    EXPECT_EQ(d.coche, 0);
    EXPECT_EQ(d.clics, (std::vector<std::string>{"case"}));
}

TEST_F(DialogueSansEcran, LesClicsPassentParLaTableDesMessagesSaufSurUnControleInactif) {
    DialogueEssai d;
    ASSERT_TRUE(d.Creer());
    Fenetre(d).Saisir(ID_NOM, "mot");
    EXPECT_TRUE(Fenetre(d).AppuyerEntree());  // the default button
    EXPECT_TRUE(Fenetre(d).Cliquer(ID_LIEN));
    EXPECT_FALSE(Fenetre(d).Cliquer(ID_ETIQUETTE));  // a static that does not notify
    EXPECT_FALSE(Fenetre(d).Cliquer(999));
    d.Activer(ID_BOUTON, false);
    EXPECT_FALSE(d.EstActif(ID_BOUTON));
    EXPECT_FALSE(Fenetre(d).Cliquer(ID_BOUTON));
    d.ActiverTout();
    EXPECT_TRUE(Fenetre(d).Cliquer(ID_BOUTON));
    EXPECT_EQ(d.clics, (std::vector<std::string>{"bouton:mot:0", "lien", "bouton:mot:0"}));
}

TEST_F(DialogueSansEcran, LaListeSelectionneSansNotifierMaisLeChoixDeLUtilisateurNotifie) {
    DialogueEssai d;
    ASSERT_TRUE(d.Creer());
    for (const char* l : {"un", "deux", "trois"}) d.ListeAjouter(ID_LISTE, l);
    d.ListeSelectionner(ID_LISTE, 1);
    EXPECT_EQ(d.ListeSelection(ID_LISTE), 1);
    EXPECT_TRUE(d.clics.empty());
    EXPECT_TRUE(Fenetre(d).Choisir(ID_LISTE, 2));
    EXPECT_FALSE(Fenetre(d).Choisir(ID_LISTE, 3));
    EXPECT_EQ(d.clics, (std::vector<std::string>{"liste:2"}));
    EXPECT_EQ(d.ListeLigne(ID_LISTE, 0), "un");
    EXPECT_EQ(d.ListeLigne(ID_LISTE, 3), "");
    d.ListeSelectionner(ID_LISTE, 7);
    EXPECT_EQ(d.ListeSelection(ID_LISTE), -1);
    d.ListeVider(ID_LISTE);
    EXPECT_EQ(d.ListeNombre(ID_LISTE), 0);
}

TEST_F(DialogueSansEcran, LeDoubleClicVaAuControleSousClasseAvecLaPositionDuCurseur) {
    DialogueEssai d;
    ASSERT_TRUE(d.Creer());
    d.DefinirTexteControle(ID_PANNEAU, "abc def");
    EXPECT_TRUE(Fenetre(d).DoubleCliquer(ID_PANNEAU, 5));
    EXPECT_FALSE(Fenetre(d).DoubleCliquer(ID_PANNEAU, 8));  // beyond the text
    ASSERT_EQ(d.panneau.vus.size(), 1u);
    EXPECT_EQ(d.panneau.vus[0], (std::pair<int, std::string>{5, "abc def"}));
    EXPECT_FALSE(Fenetre(d).Saisir(ID_PANNEAU, "x"));  // read-only
}

TEST_F(DialogueSansEcran, UneFenetreOuverteDepuisLePiloteEstNoteeEtFermeeParOK) {
    std::vector<std::string> vus;
    interface.DefinirObservateur([&](const EvenementInterface& e) { vus.push_back(e.titre + "|" + e.texte); });
    int codeEnfant = 0;
    interface.DefinirPilote([&](Dialogue& principal) {
        DialogueEssai enfant;
        enfant.nom = "garde";
        codeEnfant = enfant.LancerModal();
        EXPECT_EQ(enfant.nom, "garde");  // OK saved the controls back, unchanged
        BoiteMessage("Titre", "texte", Icone::Information);
        OuvrirPage("https://exemple.org/");
        principal.Terminer(ID_ANNULER);
    });
    DialogueEssai d;
    EXPECT_EQ(d.LancerModal(), ID_ANNULER);
    EXPECT_EQ(codeEnfant, ID_OK);
    EXPECT_EQ(d.Fenetre(), nullptr);
    EXPECT_EQ(vus, (std::vector<std::string>{"Essai|lien\nfixe\nsans id", "Titre|texte", "https://exemple.org/|"}));
    ASSERT_EQ(interface.Journal().size(), 3u);
    EXPECT_EQ(interface.Journal()[1].icone, Icone::Information);
}

TEST_F(DialogueSansEcran, LeCurseurDAttenteSeRestaureEnSortantDeLaPortee) {
    {
        CurseurAttente a;
        {
            CurseurAttente b;
            EXPECT_EQ(interface.NiveauAttente(), 2);
        }
        EXPECT_EQ(interface.NiveauAttente(), 1);
    }
    EXPECT_EQ(interface.NiveauAttente(), 0);
    EXPECT_EQ(interface.NombreAttentes(), 2);
}

TEST(DialogueSansInterface, RienNeSeCreeSansInterface) {
    DefinirInterface(nullptr);
    DialogueEssai d;
    EXPECT_FALSE(d.Creer());
    EXPECT_EQ(d.LancerModal(), -1);
    EXPECT_FALSE(OuvrirPage("https://exemple.org/"));
    EXPECT_EQ(d.TexteControle(ID_NOM), "");
}

}  // namespace
