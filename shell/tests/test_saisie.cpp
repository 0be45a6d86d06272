// What the main window does with what a reader types or hands it from
// elsewhere: the verb "conjugaison" opens, the forgiving lookup, the list
// that follows the typing, the requests of the command line and of a later
// process, and the word taken out of a selection.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/Dictionnaire.h"
#include "platform/dialogue/SansEcran.h"
#include "rendu/RenduArticle.h"
#include "rendu/VoisinageSaisie.h"
#include "shell/ArgumentsVocalia.h"
#include "shell/DialogueThesaurus.h"
#include "shell/Identifiants.h"
#include "shell/MotDeLaSelection.h"
#include "shell/VerbeDeLaSaisie.h"
#include "shell/tests/Fixture.h"

namespace {

std::vector<Article> ArticlesSaisie() {
    return {FaireArticle("abri", "NOM", {"Lieu o\xF9 l'on se met \xE0 couvert."}),
            FaireArticle("aimer", "VERBE", {"\xC9prouver de l'affection."}),
            FaireArticle("chat", "NOM", {"Petit f\xE9lin."}),
            FaireArticle("\xE9t\xE9", "NOM", {"Saison chaude."}),
            FaireArticle("\xE9tat", "NOM", {"Mani\xE8re d'\xEAtre."}),
            FaireArticle("finir", "VERBE", {"Mener \xE0 son terme."}),
            FaireArticle("fracas", "NOM", {"Bruit violent."}),
            FaireArticle("frais", "ADJECTIF", {"L\xE9g\xE8rement froid."}),
            FaireArticle("fraise", "NOM", {"Fruit rouge."}),
            FaireArticle("maison", "NOM", {"B\xE2timent servant d'habitation."}),
            FaireArticle("pomme", "NOM", {"Fruit du pommier."}),
            FaireArticle("pomme de terre", "NOM", {"Tubercule comestible."}),
            FaireArticle("tristesse", "NOM", {"\xC9tat de qui est triste."}),
            FaireArticle("zinc", "NOM", {"M\xE9tal."})};
}

std::map<std::string, std::vector<std::string>> FlexionsSaisie() {
    return {{"aimons", {"aimer"}}, {"finis", {"finir"}}, {"maisons", {"maison"}}};
}

class Saisie : public ::testing::Test {
protected:
    InterfaceSansEcran interface;
    std::unique_ptr<DialogueThesaurus> dialogue;
    FenetreSansEcran* fenetre = nullptr;

    void SetUp() override {
        ASSERT_TRUE(ChargerFixture(ArticlesSaisie(), FlexionsSaisie()));
        DefinirInterface(&interface);
    }
    void TearDown() override {
        dialogue.reset();
        DefinirInterface(nullptr);
    }
    // The window as it opens, with what the command line asked for.
    void Ouvrir(const DemandeRecherche& demande = {}) {
        dialogue = std::make_unique<DialogueThesaurus>();
        dialogue->DemanderAuDemarrage(demande);
        ASSERT_TRUE(dialogue->Creer());
        fenetre = static_cast<FenetreSansEcran*>(dialogue->Fenetre());
    }
    void Chercher(const std::string& mot) {
        fenetre->Saisir(IDC_MOT, mot);
        fenetre->Cliquer(IDC_RECHERCHER);
    }
    std::string Panneau() const { return fenetre->Texte(IDC_DEFINITION); }
    std::string Rendu(const std::string& mot) const {
        return TexteDuMot(TrouverArticles(mot), dialogue->Options()).texte;
    }
    std::string LigneChoisie() const { return fenetre->ListeLigne(IDC_LISTE, fenetre->ListeSelection(IDC_LISTE)); }
    static DemandeRecherche Mot(const std::string& mot) { return {DemandeRecherche::Type::Mot, mot}; }
};

// --- "conjugaison" ---

TEST_F(Saisie, LeVerbeAConjuguer) {
    struct Cas {
        std::string saisie;
        std::string affiche;  // the word whose articles are shown
        std::string verbe;
    };
    const std::vector<Cas> cas = {
        {"finir", "", "finir"},            // typed at start-up, nothing shown yet
        {"finir", "aimer", "finir"},       // the box comes first
        {"aimons", "", "aimer"},           // an inflected form gives its verb
        {"aimons", "maison", "aimer"},
        {"maison", "aimer", "aimer"},      // no verb in the box: the verb shown
        {"", "finir", "finir"},
        {"maisons", "chat", "maisons"},    // no verb anywhere: the box as it stands
        {"Aimer", "", "Aimer"},            // exact bytes: the warning names them
        {"finir ", "", "finir "},
        {"", "", ""},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(VerbeDeLaSaisie(c.saisie, c.affiche), c.verbe) << "[" << c.saisie << "] [" << c.affiche << "]";
}

// The button follows the displays as before, and a verb typed enables it at once.
TEST_F(Saisie, UnVerbeTapeActiveConjugaison) {
    Ouvrir();
    EXPECT_TRUE(fenetre->EstActif(IDC_CONJUGAISON));  // at start-up
    Chercher("maison");
    EXPECT_FALSE(fenetre->EstActif(IDC_CONJUGAISON));
    fenetre->Saisir(IDC_MOT, "finis");
    EXPECT_TRUE(fenetre->EstActif(IDC_CONJUGAISON));
    fenetre->Saisir(IDC_MOT, "pomme");
    EXPECT_FALSE(fenetre->EstActif(IDC_CONJUGAISON));
    Chercher("aimer");
    fenetre->Saisir(IDC_MOT, "pomme");
    EXPECT_TRUE(fenetre->EstActif(IDC_CONJUGAISON));  // the verb shown
    Chercher("xqzw");
    EXPECT_FALSE(fenetre->EstActif(IDC_CONJUGAISON));
    fenetre->Cliquer(IDC_HISTORIQUE);
    fenetre->Saisir(IDC_MOT, "aimons");  // in any list mode
    EXPECT_TRUE(fenetre->EstActif(IDC_CONJUGAISON));
}

// --- the forgiving lookup of "rechercher" ---

TEST_F(Saisie, RechercherPardonneCeQueLesGensTapent) {
    struct Cas {
        std::string tape;
        std::string trouve;
    };
    const std::vector<Cas> cas = {
        {"Maison", "maison"},
        {"MAISON", "maison"},
        {"Tristesse", "tristesse"},
        {"\xC9T\xC9", "\xE9t\xE9"},
        {"ete", "\xE9t\xE9"},
        {"l\x92" "abri", "abri"},
        {"l'Abri", "abri"},
        {"maison'", "maison"},
        {"(maison),", "maison"},
        {" Maisons ", "maison"},       // capital and inflected form
    };
    for (const Cas& c : cas) {
        Ouvrir();
        Chercher("chat");
        Chercher(c.tape);
        EXPECT_EQ(Panneau(), Rendu(c.trouve)) << c.tape;
        EXPECT_EQ(fenetre->Texte(IDC_MOT), c.trouve) << c.tape;
        EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), c.trouve) << c.tape;
        EXPECT_EQ(dialogue->MotChoisi(), c.trouve) << c.tape;
        EXPECT_EQ(dialogue->Historique(), (std::vector<std::string>{"chat", c.trouve})) << c.tape;
        EXPECT_EQ(LigneChoisie(), c.trouve) << c.tape;
        EXPECT_EQ(dialogue->Mode(), ModeListe::Dictionnaire) << c.tape;
    }
}

// The lookups of "rechercher" come first: a headword or an inflected form is
// shown as before, and the forgiving forms only follow when they found nothing.
TEST_F(Saisie, LesRecherchesDeLaFenetreRestentLesPremieres) {
    Ouvrir();
    Chercher("maisons");  // inflected: the lemma, without touching the box or the history
    EXPECT_EQ(Panneau(), Rendu("maison"));
    EXPECT_EQ(fenetre->Texte(IDC_MOT), "maisons");
    EXPECT_TRUE(dialogue->Historique().empty());
    Chercher("xqzw");  // found nowhere: nothing but the mode and the button
    EXPECT_EQ(Panneau(), Rendu("maison"));
    EXPECT_EQ(fenetre->Texte(IDC_MOT), "xqzw");
    EXPECT_FALSE(fenetre->EstActif(IDC_CONJUGAISON));
    EXPECT_TRUE(dialogue->Historique().empty());
    EXPECT_TRUE(interface.Journal().empty());
    Chercher("Finir");
    EXPECT_TRUE(fenetre->EstActif(IDC_CONJUGAISON));
    EXPECT_EQ(dialogue->Historique(), (std::vector<std::string>{"finir"}));
}

// An empty word still clears the pane, leaves the list as the typing left it
// and goes into the history like any other word.
TEST_F(Saisie, UnMotVideVideLePanneauEtEntreDansLHistorique) {
    Ouvrir();
    Chercher("chat");
    fenetre->Saisir(IDC_MOT, "");
    const std::vector<std::string> liste = dialogue->ContenuListe();
    fenetre->Cliquer(IDC_RECHERCHER);
    EXPECT_EQ(Panneau(), "");
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "");
    EXPECT_EQ(dialogue->ContenuListe(), liste);
    EXPECT_EQ(dialogue->Historique(), (std::vector<std::string>{"chat", ""}));
    EXPECT_FALSE(fenetre->EstActif(IDC_CONJUGAISON));
}

// --- the list that follows the typing ---

TEST_F(Saisie, LaListeSuitLaFrappeSansChangerLArticle) {
    Ouvrir();
    Chercher("chat");
    const std::string article = Panneau();
    struct Cas {
        std::string tape;
        std::string selectionne;
    };
    const std::vector<Cas> cas = {
        {"f", "finir"},       // the first headword after the text
        {"fra", "fracas"},
        {"frai", "frais"},
        {"frais", "frais"},   // a headword itself
        {"fraiss", "maison"},  // between two headwords: the next one
        {"Zo", "zinc"},       // after the last one: the last one
        {"  FRAISE ", "fraise"},
    };
    for (const Cas& c : cas) {
        fenetre->Saisir(IDC_MOT, c.tape);
        EXPECT_EQ(LigneChoisie(), c.selectionne) << c.tape;
        EXPECT_EQ(dialogue->ContenuListe(), FenetreMots(c.selectionne).mots) << c.tape;
        EXPECT_EQ(Panneau(), article) << c.tape;
        EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "chat") << c.tape;
        EXPECT_EQ(dialogue->Historique(), (std::vector<std::string>{"chat"})) << c.tape;
    }
    // Emptied: the list stays where it was.
    const std::vector<std::string> avant = dialogue->ContenuListe();
    fenetre->Saisir(IDC_MOT, "");
    EXPECT_EQ(dialogue->ContenuListe(), avant);
    // Enter shows the typed word, as always.
    fenetre->Saisir(IDC_MOT, "frais");
    ASSERT_TRUE(fenetre->AppuyerEntree());
    EXPECT_EQ(Panneau(), Rendu("frais"));
    EXPECT_EQ(dialogue->Historique(), (std::vector<std::string>{"chat", "frais"}));
    // A click on the selected neighbour shows it.
    fenetre->Saisir(IDC_MOT, "fraise");
    ASSERT_TRUE(fenetre->Choisir(IDC_LISTE, fenetre->ListeSelection(IDC_LISTE)));
    EXPECT_EQ(Panneau(), Rendu("fraise"));
}

TEST_F(Saisie, SeulLaListeDuDictionnaireSuitLaFrappe) {
    Ouvrir();
    Chercher("chat");
    Chercher("maison");
    fenetre->Cliquer(IDC_HISTORIQUE);
    fenetre->Saisir(IDC_MOT, "fra");
    EXPECT_EQ(dialogue->ContenuListe(), (std::vector<std::string>{"chat", "maison"}));
    EXPECT_EQ(fenetre->Texte(IDC_TYPE_LISTE), "Historique");
    fenetre->Saisir(IDC_MOT, "Fruit");
    fenetre->Cliquer(IDC_PLEIN_TEXTE);
    fenetre->Saisir(IDC_MOT, "zi");
    EXPECT_EQ(dialogue->ContenuListe(), (std::vector<std::string>{"fraise", "pomme"}));
}

TEST_F(Saisie, LaTeteLaPlusProche) {
    EXPECT_EQ(TeteLaPlusProche("fra"), "fracas");
    EXPECT_EQ(TeteLaPlusProche(" fracas "), "fracas");
    EXPECT_EQ(TeteLaPlusProche("a"), "abri");
    EXPECT_EQ(TeteLaPlusProche("zzz"), "zinc");
    EXPECT_EQ(TeteLaPlusProche(""), "");
    EXPECT_TRUE(FenetreDeLaSaisie("").mots.empty());
    const FenetreListe fenetre = FenetreDeLaSaisie("pomme d");
    ASSERT_FALSE(fenetre.mots.empty());
    EXPECT_EQ(fenetre.mots[static_cast<std::size_t>(fenetre.selection)], "pomme de terre");
}

// --- requests from outside the window ---

TEST_F(Saisie, LeMotDeLaLigneDeCommandeSAfficheALOuverture) {
    Ouvrir(Mot("ete"));
    EXPECT_EQ(Panneau(), Rendu("\xE9t\xE9"));
    EXPECT_EQ(fenetre->Texte(IDC_MOT), "\xE9t\xE9");
    EXPECT_EQ(dialogue->Historique(), (std::vector<std::string>{"\xE9t\xE9"}));
    EXPECT_EQ(fenetre->NombreReleves(), 0);  // it opens in front anyway
    EXPECT_EQ(fenetre->Focus(), IDC_MOT);
}

TEST_F(Saisie, UneDemandeRecueReleveLaFenetreEtCherche) {
    Ouvrir();
    Chercher("chat");
    dialogue->RecevoirDemande(Mot("Maison"));
    EXPECT_EQ(fenetre->NombreReleves(), 1);
    EXPECT_EQ(Panneau(), Rendu("maison"));
    EXPECT_EQ(dialogue->Historique(), (std::vector<std::string>{"chat", "maison"}));
    dialogue->RecevoirDemande(DemandeRecherche{});  // "vocalia" alone: only in front
    EXPECT_EQ(fenetre->NombreReleves(), 2);
    EXPECT_EQ(Panneau(), Rendu("maison"));
    dialogue->RecevoirDemande(Mot("xqzw"));  // unknown: as "rechercher" would
    EXPECT_EQ(Panneau(), Rendu("maison"));
    EXPECT_EQ(fenetre->Texte(IDC_MOT), "xqzw");
}

TEST_F(Saisie, LaSelectionDUneAutreApplication) {
    Ouvrir();
    interface.DefinirTexteSelectionne("\n  \xAB Pomme de terre \xBB cuite \xE0 l'eau.\nSecond line");
    dialogue->RecevoirDemande({DemandeRecherche::Type::Selection, ""});
    EXPECT_EQ(Panneau(), Rendu("pomme de terre"));
    EXPECT_EQ(fenetre->NombreReleves(), 1);
    interface.DefinirTexteSelectionne("  \t\n");  // nothing selected: the window only comes forward
    dialogue->RecevoirDemande({DemandeRecherche::Type::Selection, ""});
    EXPECT_EQ(Panneau(), Rendu("pomme de terre"));
    EXPECT_EQ(fenetre->NombreReleves(), 2);
    interface.DefinirTexteSelectionne("ETE");
    dialogue.reset();
    Ouvrir({DemandeRecherche::Type::Selection, ""});
    EXPECT_EQ(Panneau(), Rendu("\xE9t\xE9"));
}

TEST_F(Saisie, LeMotDUneSelection) {
    const CarteOptions aucun;
    struct Cas {
        std::string selection;
        std::string mot;
    };
    const std::vector<Cas> cas = {
        {"maison", "maison"},
        {"  maison  ", "maison"},
        {"maison, jardin et verger", "maison"},
        {"pomme de terre cuite", "pomme de terre"},  // the longest locution found
        {"pomme de terre, cuite", "pomme de terre"},
        {"pomme cuite", "pomme"},
        {"\xAB maison \xBB", "maison"},
        {"l'abri du vent", "l'abri"},               // the lookup takes the elision off
        {"\r\n\r\nfinir\r\nsa phrase", "finir"},
        {"xqzw et maison", "xqzw"},                 // unknown: the first word all the same
        {"\xAB \xBB maison", "maison"},             // marks alone are no word
        {"", ""},
        {" .,; ", ""},
    };
    for (const Cas& c : cas) EXPECT_EQ(MotDeLaSelection(c.selection, aucun), c.mot) << c.selection;
}

// --- the command line ---

TEST(ArgumentsVocalia, TableDesLignes) {
    using Type = DemandeRecherche::Type;
    struct Cas {
        std::vector<std::string> arguments;
        bool valide;
        ActionVocalia action;
        Type type;
        std::string mot;     // Windows-1252
        std::string erreur;  // part of the reason, for an invalid line
    };
    const std::vector<Cas> cas = {
        {{}, true, ActionVocalia::Fenetre, Type::Aucune, "", ""},
        {{"maison"}, true, ActionVocalia::Fenetre, Type::Mot, "maison", ""},
        {{"pomme", "de", "terre"}, true, ActionVocalia::Fenetre, Type::Mot, "pomme de terre", ""},
        {{"\xC3\xA9t\xC3\xA9"}, true, ActionVocalia::Fenetre, Type::Mot, "\xE9t\xE9", ""},
        {{"--", "--selection"}, true, ActionVocalia::Fenetre, Type::Mot, "--selection", ""},
        {{"-"}, true, ActionVocalia::Fenetre, Type::Mot, "-", ""},
        {{"--selection"}, true, ActionVocalia::Fenetre, Type::Selection, "", ""},
        {{"--help"}, true, ActionVocalia::Aide, Type::Aucune, "", ""},
        {{"-h"}, true, ActionVocalia::Aide, Type::Aucune, "", ""},
        {{"maison", "--help"}, true, ActionVocalia::Aide, Type::Aucune, "", ""},
        {{"--version"}, true, ActionVocalia::Version, Type::Aucune, "", ""},
        {{"--bidon"}, false, ActionVocalia::Fenetre, Type::Aucune, "", "option inconnue : --bidon"},
        {{"-x", "maison"}, false, ActionVocalia::Fenetre, Type::Aucune, "", "option inconnue : -x"},
        {{"--selection", "maison"}, false, ActionVocalia::Fenetre, Type::Aucune, "", "--selection ne prend pas de mot"},
        {{"\xFF\xFE"}, false, ActionVocalia::Fenetre, Type::Aucune, "", "pas en UTF-8"},
        {{"eau\npain"}, false, ActionVocalia::Fenetre, Type::Aucune, "", "caract\xC3\xA8re de commande"},
        {{"\xF0\x9F\x98\x80"}, false, ActionVocalia::Fenetre, Type::Aucune, "", "(U+1F600"},
    };
    for (const Cas& c : cas) {
        ArgumentsVocalia lus;
        std::string erreur;
        const std::string ligne = ::testing::PrintToString(c.arguments);
        ASSERT_EQ(LireArgumentsVocalia(c.arguments, lus, erreur), c.valide) << ligne << " : " << erreur;
        if (c.valide) {
            EXPECT_EQ(lus.action, c.action) << ligne;
            EXPECT_EQ(lus.demande.type, c.type) << ligne;
            EXPECT_EQ(lus.demande.mot, c.mot) << ligne;
        } else {
            EXPECT_NE(erreur.find(c.erreur), std::string::npos) << ligne << " : " << erreur;
        }
    }
    EXPECT_EQ(std::string(TexteAideVocalia()).rfind("usage : vocalia [MOT | --selection]\n", 0), 0u);
    EXPECT_EQ(TexteVersionVocalia().rfind("vocalia ", 0), 0u);
}

TEST(ArgumentsVocalia, UnePriseParAfficheur) {
    EXPECT_EQ(NomPriseFenetre(nullptr, nullptr), "fenetre");
    EXPECT_EQ(NomPriseFenetre("", ""), "fenetre");
    EXPECT_EQ(NomPriseFenetre(nullptr, ":0"), "fenetre-_0");
    EXPECT_EQ(NomPriseFenetre("", "localhost:10.0"), "fenetre-localhost_10.0");
    EXPECT_EQ(NomPriseFenetre("wayland-0", ":1"), "fenetre-wayland-0");
    EXPECT_EQ(NomPriseFenetre(nullptr, "../../x y"), "fenetre-.._.._x_y");
}

TEST(ArgumentsVocalia, LaDemandeTransmiseSeRelitALIdentique) {
    using Type = DemandeRecherche::Type;
    for (const DemandeRecherche& d : std::vector<DemandeRecherche>{
             {}, {Type::Selection, ""}, {Type::Mot, "maison"}, {Type::Mot, "l\x92\xE9t\xE9 \x9C"}}) {
        const std::optional<DemandeRecherche> relue = DecoderDemande(EncoderDemande(d));
        ASSERT_TRUE(relue.has_value()) << d.mot;
        EXPECT_EQ(*relue, d);
    }
    EXPECT_EQ(EncoderDemande({Type::Mot, "\xE9t\xE9"}), "vocalia mot\n\xC3\xA9t\xC3\xA9");
    for (const std::string faux : {"", "vocalia", "vocalia mot", "autre chose\n", "vocalia mot\n\xFF",
                                   "vocalia mot\neau\npain", "vocalia fenetre\nen trop"})
        EXPECT_FALSE(DecoderDemande(faux).has_value()) << faux;
}

}  // namespace
