#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "data/Dictionnaire.h"
#include "platform/dialogue/SansEcran.h"
#include "rendu/RenduArticle.h"
#include "shell/DialogueAideThesaurus.h"
#include "shell/DialogueThesaurus.h"
#include "shell/Identifiants.h"
#include "shell/ModelesDialogues.h"
#include "shell/SourcesDonnees.h"
#include "shell/tests/Fixture.h"

namespace {

class Flux : public ::testing::Test {
protected:
    InterfaceSansEcran interface;
    DialogueThesaurus dialogue;
    FenetreSansEcran* fenetre = nullptr;

    void SetUp() override {
        ASSERT_TRUE(ChargerFixture(ArticlesEssai(), FlexionsEssai(), "Litt\xE9 essai"));
        DefinirInterface(&interface);
        ASSERT_TRUE(dialogue.Creer());
        fenetre = static_cast<FenetreSansEcran*>(dialogue.Fenetre());
    }
    void TearDown() override { DefinirInterface(nullptr); }

    void Chercher(const std::string& mot) {
        fenetre->Saisir(IDC_MOT, mot);
        fenetre->Cliquer(IDC_RECHERCHER);
    }
    std::string Panneau() const { return fenetre->Texte(IDC_DEFINITION); }
    std::vector<std::string> Lignes() const {
        std::vector<std::string> lignes;
        for (int i = 0; i < fenetre->ListeNombre(IDC_LISTE); ++i) lignes.push_back(fenetre->ListeLigne(IDC_LISTE, i));
        return lignes;
    }
    std::string LigneChoisie() const { return fenetre->ListeLigne(IDC_LISTE, fenetre->ListeSelection(IDC_LISTE)); }
    std::string Rendu(const std::string& mot) const { return TexteDuMot(TrouverArticles(mot), dialogue.Options()).texte; }
};

TEST_F(Flux, EtatAuDemarrage) {
    EXPECT_EQ(fenetre->Titre(), "Vocalia +");
    EXPECT_EQ(fenetre->Texte(IDC_TYPE_LISTE), "Dictionnaire");
    EXPECT_EQ(dialogue.Mode(), ModeListe::Dictionnaire);
    EXPECT_FALSE(fenetre->EstActif(IDC_EFFACER));
    EXPECT_TRUE(fenetre->EstActif(IDC_CONJUGAISON));
    EXPECT_TRUE(fenetre->EstActif(IDC_APPROCHES));
    for (int id : {IDC_VILLES, IDC_VIEILLI, IDC_ARGOT, IDC_ETYMOLOGIE, IDC_SYNONYMES, IDC_ANTONYMES, IDC_FLEXIONS,
                   IDC_DANS_EXEMPLES, IDC_TOUJOURS_VISIBLE})
        EXPECT_EQ(fenetre->Coche(id), 0) << id;
    EXPECT_EQ(fenetre->Focus(), IDC_MOT);
    EXPECT_EQ(dialogue.IndexHistorique(), -1);
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "");  // loaded from the empty member at initialisation
}

TEST_F(Flux, EntreeRechercheLeMotEtCentreLaListeDessus) {
    fenetre->Saisir(IDC_MOT, "maison");
    ASSERT_TRUE(fenetre->AppuyerEntree());
    EXPECT_EQ(Panneau(), Rendu("maison"));
    EXPECT_EQ(Panneau().substr(0, 16), "NOM f\xE9minin \r\n\r\n");
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "maison");
    EXPECT_EQ(LigneChoisie(), "maison");
    EXPECT_EQ(dialogue.Historique(), (std::vector<std::string>{"maison"}));
    EXPECT_FALSE(fenetre->EstActif(IDC_CONJUGAISON));
    Chercher("aimer");
    EXPECT_TRUE(fenetre->EstActif(IDC_CONJUGAISON));
}

TEST_F(Flux, UneFormeFlechieAfficheSonLemmeSansToucherListeNiHistorique) {
    Chercher("chat");
    const std::vector<std::string> avant = Lignes();
    Chercher("maisons");
    EXPECT_EQ(Panneau(), Rendu("maison"));
    EXPECT_EQ(fenetre->Texte(IDC_MOT), "maisons");
    EXPECT_EQ(Lignes(), avant);
    EXPECT_EQ(dialogue.Historique(), (std::vector<std::string>{"chat"}));
}

TEST_F(Flux, UnMotInconnuNeChangeQueLeModeEtDesactiveConjugaison) {
    Chercher("aimer");
    fenetre->Cliquer(IDC_HISTORIQUE);
    Chercher("xyzzy");
    EXPECT_EQ(fenetre->Texte(IDC_TYPE_LISTE), "Dictionnaire");
    EXPECT_EQ(Panneau(), Rendu("aimer"));
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "aimer");
    EXPECT_FALSE(fenetre->EstActif(IDC_CONJUGAISON));
    EXPECT_EQ(dialogue.Historique(), (std::vector<std::string>{"aimer"}));
    EXPECT_TRUE(interface.Journal().empty());
}

TEST_F(Flux, LHistoriqueSeParcourtSansJamaisEtreTronque) {
    Chercher("aimer");
    Chercher("aimer");
    Chercher("chat");
    Chercher("maison");
    EXPECT_EQ(dialogue.Historique(), (std::vector<std::string>{"aimer", "chat", "maison"}));
    fenetre->Cliquer(IDC_RECULER);
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "chat");
    EXPECT_EQ(fenetre->Texte(IDC_MOT), "chat");
    fenetre->Cliquer(IDC_RECULER);
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "aimer");
    fenetre->Cliquer(IDC_RECULER);
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "aimer");
    EXPECT_EQ(dialogue.IndexHistorique(), 0);
    fenetre->Cliquer(IDC_AVANCER);
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "chat");
    Chercher("porte");
    EXPECT_EQ(dialogue.Historique(), (std::vector<std::string>{"aimer", "chat", "maison", "porte"}));
    EXPECT_EQ(dialogue.IndexHistorique(), 3);
    fenetre->Cliquer(IDC_AVANCER);
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "porte");
}

// Looking up the last word of the history again brings the index back to it,
// so that "<=" then steps to the word just before it.
TEST_F(Flux, RechercherLeDernierMotRameneLIndexSurLui) {
    Chercher("chat");
    Chercher("porte");
    Chercher("maison");
    fenetre->Cliquer(IDC_RECULER);
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "porte");
    Chercher("maison");
    EXPECT_EQ(dialogue.Historique(), (std::vector<std::string>{"chat", "porte", "maison"}));
    EXPECT_EQ(dialogue.IndexHistorique(), 2);
    fenetre->Cliquer(IDC_RECULER);
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "porte");
    fenetre->Cliquer(IDC_AVANCER);
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "maison");
}

TEST_F(Flux, LaListeHistoriqueSeChoisitSansSeModifierEtSEfface) {
    Chercher("aimer");
    Chercher("chat");
    Chercher("maison");
    fenetre->Cliquer(IDC_RECULER);
    fenetre->Cliquer(IDC_HISTORIQUE);
    EXPECT_EQ(fenetre->Texte(IDC_TYPE_LISTE), "Historique");
    EXPECT_EQ(Lignes(), (std::vector<std::string>{"aimer", "chat", "maison"}));
    EXPECT_EQ(fenetre->ListeSelection(IDC_LISTE), 1);
    EXPECT_TRUE(fenetre->EstActif(IDC_EFFACER));
    fenetre->Choisir(IDC_LISTE, 0);
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "aimer");
    EXPECT_EQ(fenetre->Texte(IDC_MOT), "aimer");
    EXPECT_EQ(dialogue.Historique().size(), 3u);
    EXPECT_EQ(dialogue.IndexHistorique(), 1);
    EXPECT_EQ(Lignes().size(), 3u);  // no re-centring outside the dictionary mode
    fenetre->Cliquer(IDC_EFFACER);
    EXPECT_TRUE(Lignes().empty());
    EXPECT_EQ(fenetre->Texte(IDC_TYPE_LISTE), "Historique");
    EXPECT_EQ(dialogue.IndexHistorique(), -1);
    fenetre->Cliquer(IDC_RECULER);
    fenetre->Cliquer(IDC_AVANCER);
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "aimer");
    Chercher("chat");
    EXPECT_FALSE(fenetre->EstActif(IDC_EFFACER));
    EXPECT_EQ(dialogue.Historique(), (std::vector<std::string>{"chat"}));
}

TEST_F(Flux, ChoisirPresDuHautRecentreLaListeAutourDuMot) {
    const std::vector<std::string> mots = MotsEssaiOrdonnes();
    ASSERT_GT(mots.size(), 120u);
    Chercher(mots[100]);
    ASSERT_EQ(LigneChoisie(), mots[100]);
    EXPECT_EQ(Lignes(), FenetreMots(mots[100]).mots);
    const std::string troisieme = Lignes()[2];
    fenetre->Choisir(IDC_LISTE, 2);
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), troisieme);
    EXPECT_EQ(dialogue.Historique().back(), troisieme);
    // Rebuilt around the chosen word, which now has up to 60 records before it.
    EXPECT_EQ(Lignes(), FenetreMots(troisieme).mots);
    EXPECT_EQ(LigneChoisie(), troisieme);
    EXPECT_GT(fenetre->ListeSelection(IDC_LISTE), 2);
    // Away from both ends, a choice leaves the list as it is.
    const std::vector<std::string> avant = Lignes();
    fenetre->Choisir(IDC_LISTE, 20);
    EXPECT_EQ(Lignes(), avant);
}

TEST_F(Flux, LesFlechesParcourentToutLeDictionnaire) {
    const std::vector<std::string> mots = MotsEssaiOrdonnes();
    Chercher(mots.front());
    ASSERT_EQ(fenetre->ListeSelection(IDC_LISTE), 0);
    for (std::size_t i = 1; i < mots.size(); ++i) {
        // The next line down, as the down arrow picks it.
        ASSERT_TRUE(fenetre->Choisir(IDC_LISTE, fenetre->ListeSelection(IDC_LISTE) + 1)) << i;
        ASSERT_EQ(LigneChoisie(), mots[i]);
        ASSERT_EQ(fenetre->Texte(IDC_MOT_CHOISI), mots[i]);
    }
    EXPECT_FALSE(fenetre->Choisir(IDC_LISTE, fenetre->ListeSelection(IDC_LISTE) + 1));
    for (std::size_t i = mots.size() - 1; i-- > 0;) {
        ASSERT_TRUE(fenetre->Choisir(IDC_LISTE, fenetre->ListeSelection(IDC_LISTE) - 1)) << i;
        ASSERT_EQ(LigneChoisie(), mots[i]);
    }
}

TEST_F(Flux, PleinTexteSansResultatGardeLaListeEtVideLePanneau) {
    Chercher("chat");
    const std::vector<std::string> avant = Lignes();
    fenetre->Saisir(IDC_MOT, "introuvable");
    fenetre->Cliquer(IDC_PLEIN_TEXTE);
    EXPECT_EQ(fenetre->Texte(IDC_TYPE_LISTE), "Rec. texte");
    EXPECT_EQ(Lignes(), avant);
    EXPECT_EQ(Panneau(), "");
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "");
    EXPECT_FALSE(fenetre->EstActif(IDC_CONJUGAISON));
    EXPECT_EQ(interface.NiveauAttente(), 0);
    EXPECT_GE(interface.NombreAttentes(), 1);
    // A box ticked now shows the previous word again.
    fenetre->Cliquer(IDC_SYNONYMES);
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "chat");
    EXPECT_EQ(Panneau(), Rendu("chat"));
}

TEST_F(Flux, PleinTexteSensibleALaCasseEtAuxExemples) {
    fenetre->Saisir(IDC_MOT, "maison");
    fenetre->Cliquer(IDC_PLEIN_TEXTE);
    EXPECT_EQ(Lignes(), (std::vector<std::string>{"maison"}));  // only the adjective's sense names it
    EXPECT_EQ(fenetre->ListeSelection(IDC_LISTE), 0);
    fenetre->Saisir(IDC_MOT, "campagne");
    fenetre->Cliquer(IDC_PLEIN_TEXTE);
    EXPECT_EQ(Lignes(), (std::vector<std::string>{"maison"}));  // unchanged: examples not searched
    fenetre->Cliquer(IDC_DANS_EXEMPLES);
    fenetre->Saisir(IDC_MOT, "Une");
    fenetre->Cliquer(IDC_PLEIN_TEXTE);
    EXPECT_EQ(Lignes(), (std::vector<std::string>{"maison"}));
    fenetre->Saisir(IDC_MOT, "Mot de remplissage a");
    fenetre->Cliquer(IDC_PLEIN_TEXTE);
    EXPECT_EQ(Lignes().size(), 26u);
    fenetre->Choisir(IDC_LISTE, 3);
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "ad");
    EXPECT_EQ(Lignes().size(), 26u);
    EXPECT_EQ(dialogue.Historique().back(), "ad");
}

TEST_F(Flux, LesCasesRendentDeNouveauLeMotAffiche) {
    Chercher("maison");
    fenetre->Cliquer(IDC_SYNONYMES);
    EXPECT_NE(Panneau().find("\r\nSYNONYMES:\r\ndemeure, logis"), std::string::npos);
    fenetre->Cliquer(IDC_ETYMOLOGIE);
    EXPECT_EQ(Panneau().rfind("ETYMOLOGIE: Du latin mansio.\r\n\r\n", 0), 0u);
    fenetre->Cliquer(IDC_ARGOT);
    // The noun's "(familier)" sense goes; the adjective, whose only sense is
    // "(populaire)", keeps its category line: re-rendering does not drop articles.
    EXPECT_EQ(Panneau().find("(familier)"), std::string::npos);
    EXPECT_EQ(Panneau().find("(populaire)"), std::string::npos);
    EXPECT_NE(Panneau().find("ADJECTIF \r\n\r\n"), std::string::npos);
    EXPECT_EQ(Panneau(), Rendu("maison"));
    // A new lookup does drop it.
    Chercher("chat");
    Chercher("maison");
    EXPECT_EQ(Panneau().find("ADJECTIF"), std::string::npos);
}

TEST_F(Flux, ArgotOteLesMotsArgotiquesDeLaListe) {
    Chercher("pognon");
    EXPECT_EQ(LigneChoisie(), "pognon");
    fenetre->Cliquer(IDC_ARGOT);
    Chercher("pognon");
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "pognon");  // nothing shown for it
    Chercher("porte");
    const std::vector<std::string> lignes = Lignes();
    EXPECT_EQ(std::count(lignes.begin(), lignes.end(), "pognon"), 0);
    EXPECT_EQ(std::count(lignes.begin(), lignes.end(), "porte"), 1);
    fenetre->Cliquer(IDC_VILLES);
    Chercher("Amiens");
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "porte");
}

TEST_F(Flux, LeDoubleClicSuitLeMotDuCoteClique) {
    Chercher("chat");
    const std::string texte = Panneau();
    const std::size_t tiret = texte.find("porte-monnaie");
    ASSERT_NE(tiret, std::string::npos);
    ASSERT_TRUE(fenetre->DoubleCliquer(IDC_DEFINITION, static_cast<int>(tiret + 2)));
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "porte");
    EXPECT_EQ(fenetre->Texte(IDC_MOT), "porte");
    EXPECT_EQ(LigneChoisie(), "porte");

    Chercher("chat");
    ASSERT_TRUE(fenetre->DoubleCliquer(IDC_DEFINITION, static_cast<int>(tiret + 8)));
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "monnaie");
    EXPECT_EQ(dialogue.Historique(), (std::vector<std::string>{"chat", "porte", "chat", "monnaie"}));
}

TEST_F(Flux, LeDoubleClicEntreDeuxSeparateursNeFaitRien) {
    Chercher("chat");
    const std::string texte = Panneau();
    const std::size_t virgule = texte.find(", voir");
    ASSERT_NE(virgule, std::string::npos);
    fenetre->DoubleCliquer(IDC_DEFINITION, static_cast<int>(virgule + 1));  // between ',' and ' '
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "chat");
    EXPECT_EQ(dialogue.Historique().size(), 1u);
    // Just after a word: that word. "domestique" is not a headword, so nothing.
    fenetre->DoubleCliquer(IDC_DEFINITION, static_cast<int>(virgule));
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "chat");
    const std::size_t fin = texte.find("porte-monnaie") + 13;
    fenetre->DoubleCliquer(IDC_DEFINITION, static_cast<int>(fin));
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "monnaie");
}

// Words anywhere in a long article, and words written with a ligature, are
// reached by a double-click like any other.
TEST_F(Flux, LeDoubleClicAtteintToutLeTexteEtLesLigatures) {
    std::vector<Article> articles = ArticlesEssai();
    std::string longue;
    while (longue.size() < 30000) longue += "Remplissage d'un long article. ";
    articles.push_back(FaireArticle("long", "NOM", {longue + "Voir monnaie."}));
    articles.push_back(FaireArticle("fen\xEAtre", "NOM", {"Une \x9C" "il-de-b\x9C" "uf, une baie."}));
    articles.push_back(FaireArticle("\x9C" "il", "NOM", {"Organe de la vue."}));
    articles.push_back(FaireArticle("b\x9C" "uf", "NOM", {"Animal de trait."}));
    ASSERT_TRUE(ChargerFixture(articles, FlexionsEssai()));
    const struct {
        const char* affiche;
        const char* clique;  // the word double-clicked, by its first occurrence in the pane
        std::size_t decalage;
        const char* attendu;
    } cas[] = {
        {"long", "monnaie", 3, "monnaie"},
        {"fen\xEAtre", "\x9C" "il", 0, "\x9C" "il"},
        {"fen\xEAtre", "\x9C" "il", 2, "\x9C" "il"},
        {"fen\xEAtre", "b\x9C" "uf", 1, "b\x9C" "uf"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.attendu);
        Chercher(c.affiche);
        const std::size_t position = Panneau().find(c.clique);
        ASSERT_NE(position, std::string::npos);
        ASSERT_TRUE(fenetre->DoubleCliquer(IDC_DEFINITION, static_cast<int>(position + c.decalage)));
        EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), c.attendu);
    }
    ASSERT_GT(Panneau().size(), 0u);
    Chercher("long");
    EXPECT_GT(Panneau().find("monnaie"), 30000u);  // well past any fixed buffer
}

TEST_F(Flux, LeDoubleClicSurUneFormeFlechieOuCapitaliseeMeneAuLemme) {
    Chercher("aimer");
    Chercher("maison");
    fenetre->Cliquer(IDC_FLEXIONS);
    const std::string texte = Panneau();
    const std::size_t forme = texte.find("maisons");
    ASSERT_NE(forme, std::string::npos);
    fenetre->Cliquer(IDC_HISTORIQUE);
    const std::size_t avant = dialogue.Historique().size();
    fenetre->DoubleCliquer(IDC_DEFINITION, static_cast<int>(forme + 3));
    EXPECT_EQ(fenetre->Texte(IDC_MOT), "maison");
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "maison");
    EXPECT_EQ(dialogue.Historique().size(), avant);  // navigation from the history list adds nothing
    EXPECT_EQ(fenetre->Texte(IDC_TYPE_LISTE), "Dictionnaire");
    EXPECT_FALSE(fenetre->EstActif(IDC_EFFACER));
    EXPECT_EQ(LigneChoisie(), "maison");
}

TEST_F(Flux, UnMotCapitaliseNEstTrouveQuePourLaNavigation) {
    Chercher("Chat");
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "");
    EXPECT_TRUE(dialogue.Historique().empty());
    EXPECT_TRUE(dialogue.NaviguerVers("Chat"));
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "chat");
    EXPECT_FALSE(dialogue.NaviguerVers("CHAT"));
}

TEST_F(Flux, LesLiensOuvrentLaPageDesLicencesEtLArticleDuMotChoisi) {
    fenetre->Cliquer(IDC_LIEN_ARTICLE);
    Chercher("  zut ");
    EXPECT_EQ(LigneChoisie(), "  zut ");
    fenetre->Cliquer(IDC_LIEN_ARTICLE);
    fenetre->Cliquer(IDC_LIEN_CONDITIONS);
    ASSERT_EQ(interface.Journal().size(), 3u);
    EXPECT_EQ(interface.Journal()[0].titre, "https://fr.wiktionary.org/");
    EXPECT_EQ(interface.Journal()[1].titre, "https://fr.wiktionary.org/wiki/zut");
    const std::string licences = interface.Journal()[2].titre;
    EXPECT_EQ(licences.rfind("file:///", 0), 0u);
    EXPECT_EQ(licences.substr(licences.size() - std::string(NOM_PAGE_LICENCES).size()), NOM_PAGE_LICENCES);
    for (const EvenementInterface& e : interface.Journal()) EXPECT_EQ(e.type, EvenementInterface::Type::Page);
}

TEST_F(Flux, LAideMontreLEtiquetteDesDonneesPuisReactiveLesControles) {
    Chercher("chat");  // conjugaison disabled
    fenetre->Cliquer(IDC_HISTORIQUE);
    fenetre->DefinirTitre("autre");
    fenetre->Cliquer(IDC_AIDE);
    ASSERT_EQ(interface.Journal().size(), 1u);
    EXPECT_EQ(interface.Journal()[0].type, EvenementInterface::Type::Fenetre);
    EXPECT_EQ(interface.Journal()[0].titre, "Vocalia - Aide");
    EXPECT_EQ(interface.Journal()[0].texte, "Donn\xE9" "es Litt\xE9 essai");
    EXPECT_EQ(fenetre->Titre(), "Vocalia +");
    EXPECT_TRUE(fenetre->EstActif(IDC_CONJUGAISON));
    EXPECT_TRUE(fenetre->EstActif(IDC_EFFACER));  // kept: the list shows the history
    fenetre->Cliquer(IDC_RECHERCHER);
    fenetre->Cliquer(IDC_AIDE);
    EXPECT_FALSE(fenetre->EstActif(IDC_EFFACER));
}

TEST_F(Flux, ToujoursVisibleSuitLaCase) {
    fenetre->Cliquer(IDC_TOUJOURS_VISIBLE);
    EXPECT_TRUE(fenetre->EstAuPremierPlan());
    fenetre->Cliquer(IDC_TOUJOURS_VISIBLE);
    EXPECT_FALSE(fenetre->EstAuPremierPlan());
}

TEST_F(Flux, LesRaccourcisClavier) {
    Chercher("chat");
    Chercher("porte");
    Chercher("maison");
    fenetre->DonnerFocus(IDC_LISTE);
    ASSERT_TRUE(fenetre->AppuyerRaccourci(Raccourci::AltGauche));
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "porte");
    fenetre->AppuyerRaccourci(Raccourci::AltGauche);
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "chat");
    fenetre->AppuyerRaccourci(Raccourci::AltDroite);
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "porte");
    EXPECT_EQ(fenetre->Texte(IDC_MOT), "porte");

    EXPECT_FALSE(fenetre->ToutEstSelectionne(IDC_MOT));
    ASSERT_TRUE(fenetre->AppuyerRaccourci(Raccourci::CtrlL));
    EXPECT_EQ(fenetre->Focus(), IDC_MOT);
    EXPECT_TRUE(fenetre->ToutEstSelectionne(IDC_MOT));

    fenetre->Saisir(IDC_MOT, "Petit");
    ASSERT_TRUE(fenetre->AppuyerRaccourci(Raccourci::CtrlF));
    EXPECT_EQ(dialogue.Mode(), ModeListe::RecTexte);
    EXPECT_EQ(Lignes(), RechercherPleinTexte("Petit", false));
    EXPECT_EQ(Panneau(), "");

    // Escape empties a word box that has the focus and holds text; otherwise it closes the window.
    ASSERT_TRUE(fenetre->AppuyerRaccourci(Raccourci::Echap));
    EXPECT_EQ(fenetre->Texte(IDC_MOT), "");
    EXPECT_FALSE(fenetre->EstTerminee());
    ASSERT_TRUE(fenetre->AppuyerRaccourci(Raccourci::Echap));
    EXPECT_TRUE(fenetre->EstTerminee());
    EXPECT_EQ(fenetre->CodeFin(), ID_ANNULER);
}

TEST_F(Flux, EchapHorsDeLaBoiteFermeLaFenetre) {
    fenetre->Saisir(IDC_MOT, "chat");
    fenetre->DonnerFocus(IDC_LISTE);
    ASSERT_TRUE(fenetre->AppuyerRaccourci(Raccourci::Echap));
    EXPECT_TRUE(fenetre->EstTerminee());
    EXPECT_EQ(fenetre->Texte(IDC_MOT), "chat");
}

// The main window grows from its template's size: the list in height, the
// pane both ways, the column right of the pane with the right edge, the
// notices under the list and the pane with the bottom edge; the top rows stay.
TEST(ModeleThesaurusTest, LaFenetreGranditAutourDeLaListeEtDuPanneau) {
    const ModeleDialogue m = ModeleThesaurus();
    EXPECT_TRUE(m.redimensionnable);
    EXPECT_FALSE(m.nomGeometrie.empty());
    const ControleModele* panneau = m.Controle(IDC_DEFINITION);
    const ControleModele* liste = m.Controle(IDC_LISTE);
    ASSERT_TRUE(panneau && liste);
    EXPECT_EQ(liste->ancrage, unsigned(ETIRE_HAUTEUR));
    EXPECT_EQ(panneau->ancrage, unsigned(ETIRE_LARGEUR | ETIRE_HAUTEUR));
    const int droitePanneau = panneau->x + panneau->largeur;
    const int basListe = liste->y + liste->hauteur;
    for (const ControleModele& c : m.controles) {
        if (c.id == IDC_DEFINITION || c.id == IDC_LISTE) continue;
        SCOPED_TRACE(c.texte);
        const bool aDroite = c.x >= droitePanneau && c.y + c.hauteur > panneau->y;
        const bool dessous = c.y + c.hauteur > basListe;
        EXPECT_EQ((c.ancrage & ANCRAGE_DROITE) != 0, aDroite);
        EXPECT_EQ((c.ancrage & ANCRAGE_BAS) != 0, dessous);
        EXPECT_EQ(c.ancrage & (ETIRE_LARGEUR | ETIRE_HAUTEUR), 0u);
    }
}

// The data lines name the sources the loaded data's label names, and those only.
TEST(FenetreAide, LeBoutonCreditsOuvreLesRemerciements) {
    const struct {
        const char* etiquette;
        bool communes;
    } cas[] = {
        {"Littr\xE9 (XMLittr\xE9, stardict-xmlittre 1) ; mythes-fr 7, hunspell-fr-comprehensive 7, verbiste 0.1, "
         "communes 6.0.0 ; construit le 2026-01-01", true},
        {"Littr\xE9 (XMLittr\xE9, stardict-xmlittre 1) ; mythes-fr 7, hunspell-fr-comprehensive 7, verbiste 0.1 ; "
         "construit le 2026-01-01", false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.communes);
        ASSERT_TRUE(ChargerFixture(ArticlesEssai(), FlexionsEssai(), c.etiquette));
        InterfaceSansEcran interface;
        DefinirInterface(&interface);
        {
            DialogueAideThesaurus aide;
            aide.texteEntete = "ent\xEAte";
            ASSERT_TRUE(aide.Creer());
            EXPECT_EQ(aide.TexteControle(IDC_ENTETE_AIDE), "ent\xEAte");
            static_cast<FenetreSansEcran*>(aide.Fenetre())->Cliquer(IDC_CREDITS);
        }
        DefinirInterface(nullptr);
        ASSERT_EQ(interface.Journal().size(), 1u);
        const EvenementInterface& credits = interface.Journal()[0];
        EXPECT_EQ(credits.titre, "Vocalia - Cr\xE9" "dits");
        for (const char* attendu : {"remerciements pour l'usage des librairies suivantes :", "wxWidgets", "zlib", "OpenSSL",
                                    "unixODBC", "SQLite ODBC", "remerciements pour l'usage des donn\xE9" "es:", "Littr\xE9",
                                    "Dicollecte", "verbiste", "Kevin Hendricks", "LGPL-2.1+",
                                    "les r\xE9" "f\xE9rences de licence d'utilisation et des articles utilis\xE9s sont "
                                    "accessibles sur la page principale."})
            EXPECT_NE(credits.texte.find(attendu), std::string::npos) << attendu;
        EXPECT_EQ(credits.texte.find("wiktionnaire"), std::string::npos);
        EXPECT_EQ(credits.texte.find("Olivier R."), std::string::npos);  // the thesaurus is not his
        EXPECT_EQ(credits.texte.find("Etalab") != std::string::npos, c.communes);
        // The main window's source line follows the data too.
        InterfaceSansEcran interfacePrincipale;
        DefinirInterface(&interfacePrincipale);
        {
            DialogueThesaurus principal;
            ASSERT_TRUE(principal.Creer());
            EXPECT_EQ(static_cast<FenetreSansEcran*>(principal.Fenetre())->TextePrincipal().find("Etalab") !=
                          std::string::npos,
                      c.communes);
        }
        DefinirInterface(nullptr);
    }
}

}  // namespace
