#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "approx/MateriauCles.h"
#include "approx/MoteurApproches.h"
#include "approx/TypesCles.h"
#include "approx/tests/RessourcesEssai.h"
#include "data/Dictionnaire.h"
#include "data/Ressources.h"
#include "index/ChargeIndex.h"
#include "lexique/NumerosLexique.h"
#include "lexique/tests/EnvironnementEssai.h"
#include "platform/dialogue/SansEcran.h"
#include "rendu/RenduArticle.h"
#include "shell/DialogueThesaurus.h"
#include "shell/Identifiants.h"
#include "shell/tests/Fixture.h"
#include "text/tests/DossierEssai.h"

namespace {

using Mots = std::vector<std::string>;

// One enabled kind gets an index; the others have no resource and add nothing.
constexpr const char* RESSOURCE_INDEX = "MAPFIN3";

const TypeCle& TypeIndexe() {
    for (const TypeCle& type : TableTypesCles)
        if (type.ressource && std::string(type.ressource) == RESSOURCE_INDEX) return type;
    return TableTypesCles[NOMBRE_TYPES_CLES];
}

// The words the test index stores under the key of "filosofie".
Mots MotsIndexes() { return {"philosophie", "philosophe", "filou"}; }

// A long commune name typed with a wrong ending: the word distances compare
// two long words that share almost every letter.
const std::string COMMUNE = "Saint-Remy-en-Bouzemont-Saint-Genest-et-Isson";
const std::string COMMUNE_MAL_ECRITE = "Saint-Remy-en-Bouzemont-Saint-Genest-et-Issoxx";

void EnregistrerIndexEssai() {
    static bool fait = false;
    if (fait) return;
    fait = true;
    const TypeCle& type = TypeIndexe();
    const std::map<std::string, Mots> contenu = {{type.fonction("filosofie"), MotsIndexes()},
                                                 {type.fonction(COMMUNE_MAL_ECRITE), {COMMUNE}}};
    EnregistrerRessourceEssai(RESSOURCE_INDEX, EmballerDonnees(EcrireChargeIndex(contenu), true, true,
                                                               CleIndexApproches(type.chaine), type.chaine));
}

std::vector<Article> Articles() {
    return {FaireArticle("filou", "NOM", {"Voleur adroit."}),
            FaireArticle("maison", "NOM", {"B\xE2timent servant d'habitation."}),
            FaireArticle("philosophe", "NOM", {"Celui qui s'applique \xE0 la philosophie."}),
            FaireArticle("philosophie", "NOM", {"Amour de la sagesse."}),
            FaireArticle(COMMUNE, "NOM", {"Commune fran\xE7" "aise de la Marne."}),
            FaireArticle("zoo", "NOM", {"Jardin o\xF9 l'on montre des animaux."})};
}

class Approches : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(TypeIndexe().fonction, nullptr);
        ASSERT_TRUE(TypeIndexe().actif);
        EnregistrerIndexEssai();
        ASSERT_TRUE(ChargerFixture(Articles(), {}));
        DefinirInterface(&interface);
        ASSERT_TRUE(dialogue.Creer());
        fenetre = static_cast<FenetreSansEcran*>(dialogue.Fenetre());
    }
    void TearDown() override { DefinirInterface(nullptr); }

    void Saisir(const std::string& mot) { fenetre->Saisir(IDC_MOT, mot); }
    std::vector<std::string> Lignes() const {
        std::vector<std::string> lignes;
        for (int i = 0; i < fenetre->ListeNombre(IDC_LISTE); ++i) lignes.push_back(fenetre->ListeLigne(IDC_LISTE, i));
        return lignes;
    }
    std::string Rendu(const std::string& mot) const { return TexteDuMot(TrouverArticles(mot), dialogue.Options()).texte; }

    // The lexicon looks for a database "toto" in the current folder: it must
    // not make one there.
    DossierEssai courant;
    DossierCourantEssai dans{courant.Chemin()};
    DossierEssai donnees;
    VariableEssai xdg{"XDG_DATA_HOME", donnees.Chemin()};
    InterfaceSansEcran interface;
    DialogueThesaurus dialogue;
    FenetreSansEcran* fenetre = nullptr;
};

TEST_F(Approches, ResultatsListesEnModeApprochesEtPremierMontre) {
    Saisir("filosofie");
    fenetre->Cliquer(IDC_APPROCHES);
    EXPECT_EQ(dialogue.Mode(), ModeListe::Approches);
    EXPECT_EQ(fenetre->Texte(IDC_TYPE_LISTE), "Approch\xE9s");
    // The engine's own answer, in its order, with the distance ranking on.
    LexiqueMinimal lexique;
    const Mots attendus = MoteurApproches(&lexique).RechercherApproches("filosofie");
    ASSERT_FALSE(attendus.empty());
    EXPECT_EQ(Lignes(), attendus);
    EXPECT_NE(std::find(attendus.begin(), attendus.end(), "philosophie"), attendus.end());
    EXPECT_EQ(fenetre->ListeSelection(IDC_LISTE), 0);
    EXPECT_EQ(fenetre->Texte(IDC_DEFINITION), Rendu(attendus.front()));
    EXPECT_NE(fenetre->Texte(IDC_DEFINITION), "");
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), attendus.front());
    EXPECT_EQ(fenetre->Texte(IDC_MOT), "filosofie");  // the typed word stays
    EXPECT_TRUE(dialogue.Historique().empty());       // and goes to no history
    EXPECT_TRUE(interface.Journal().empty());
    EXPECT_GT(interface.NombreAttentes(), 0);
    EXPECT_TRUE(std::filesystem::is_empty(courant.Chemin())) << "a lexicon database was created";
}

// With "argot" checked, the engine's best words that only have slang
// articles leave the list; the first word still listed is the one shown and
// selected, and when none is left the search counts as fruitless.
TEST_F(Approches, LesFiltresChoisissentLePremierMotVisible) {
    LexiqueMinimal lexique;
    const Mots moteur = MoteurApproches(&lexique).RechercherApproches("filosofie");
    ASSERT_GE(moteur.size(), 2u);
    const struct {
        std::size_t argotiques;  // how many of the engine's first words are slang only
        bool message;
    } cas[] = {{1, false}, {2, moteur.size() == 2}, {moteur.size(), true}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.argotiques);
        std::vector<Article> articles = Articles();
        for (Article& a : articles)
            if (std::find(moteur.begin(), moteur.begin() + c.argotiques, a.mot) != moteur.begin() + c.argotiques)
                a.sens = {{"(argot) Sens familier.", {}}};
        ASSERT_TRUE(ChargerFixture(articles, {}));
        interface.ViderJournal();
        Saisir("maison");
        fenetre->Cliquer(IDC_RECHERCHER);
        if (fenetre->Coche(IDC_ARGOT) == 0) fenetre->Cliquer(IDC_ARGOT);
        Saisir("filosofie");
        fenetre->Cliquer(IDC_APPROCHES);
        if (c.message) {
            ASSERT_EQ(interface.Journal().size(), 1u);
            EXPECT_EQ(interface.Journal()[0].texte, "Aucun mot approch\xE9 n'a \xE9t\xE9 trouv\xE9");
            EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "");
            EXPECT_EQ(dialogue.Mode(), ModeListe::Dictionnaire);
            continue;
        }
        const Mots visibles(moteur.begin() + c.argotiques, moteur.end());
        EXPECT_TRUE(interface.Journal().empty());
        EXPECT_EQ(Lignes(), visibles);
        EXPECT_EQ(fenetre->ListeSelection(IDC_LISTE), 0);
        EXPECT_EQ(dialogue.MotChoisi(), visibles.front());
        EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), visibles.front());
        EXPECT_EQ(fenetre->Texte(IDC_DEFINITION), Rendu(visibles.front()));
    }
}

TEST_F(Approches, NomDeCommuneLongEtMalEcritTrouveSansBloquer) {
    Saisir(COMMUNE_MAL_ECRITE);
    fenetre->Cliquer(IDC_APPROCHES);
    EXPECT_EQ(Lignes(), Mots{COMMUNE});
    EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), COMMUNE);
    EXPECT_EQ(fenetre->Texte(IDC_DEFINITION), Rendu(COMMUNE));
    EXPECT_TRUE(interface.Journal().empty());
}

TEST_F(Approches, SansResultatMessageEtListeGardee) {
    Saisir("maison");
    fenetre->Cliquer(IDC_RECHERCHER);
    const Mots avant = Lignes();
    ASSERT_FALSE(avant.empty());
    ASSERT_NE(fenetre->Texte(IDC_DEFINITION), "");
    for (const char* mot : {"xqxqxq", ""}) {
        SCOPED_TRACE(mot);
        interface.ViderJournal();
        Saisir(mot);
        fenetre->Cliquer(IDC_APPROCHES);
        ASSERT_EQ(interface.Journal().size(), 1u);
        const EvenementInterface& message = interface.Journal()[0];
        EXPECT_EQ(message.type, EvenementInterface::Type::Message);
        EXPECT_EQ(message.titre, "Vocalia - recherche de mot approch\xE9");
        EXPECT_EQ(message.texte, "Aucun mot approch\xE9 n'a \xE9t\xE9 trouv\xE9");
        EXPECT_EQ(message.icone, Icone::Information);
        EXPECT_EQ(fenetre->Texte(IDC_DEFINITION), "");
        EXPECT_EQ(fenetre->Texte(IDC_MOT_CHOISI), "");
        EXPECT_EQ(Lignes(), avant);
        EXPECT_EQ(dialogue.Mode(), ModeListe::Dictionnaire);
        EXPECT_EQ(fenetre->Texte(IDC_TYPE_LISTE), "Dictionnaire");
    }
}

TEST_F(Approches, LexiqueCreeUneFoisPourLaDureeDuProgramme) {
    Saisir("filosofie");
    fenetre->Cliquer(IDC_APPROCHES);
    dictionnaire* const lexique = LexiqueCourant();
    ASSERT_NE(lexique, nullptr);
    Saisir("xqxqxq");
    fenetre->Cliquer(IDC_APPROCHES);
    Saisir("filosofie");
    fenetre->Cliquer(IDC_APPROCHES);
    EXPECT_EQ(LexiqueCourant(), lexique);
    // A later lookup leaves the mode.
    Saisir("maison");
    fenetre->Cliquer(IDC_RECHERCHER);
    EXPECT_EQ(dialogue.Mode(), ModeListe::Dictionnaire);
}

// The lexicon belongs to the window that made it: it goes with the window,
// and the next window makes its own.
TEST_F(Approches, LexiqueAppartientALaFenetre) {
    {
        DialogueThesaurus autre;
        ASSERT_TRUE(autre.Creer());
        auto* fenetreAutre = static_cast<FenetreSansEcran*>(autre.Fenetre());
        fenetreAutre->Saisir(IDC_MOT, "filosofie");
        fenetreAutre->Cliquer(IDC_APPROCHES);
        ASSERT_NE(LexiqueCourant(), nullptr);
    }
    EXPECT_EQ(LexiqueCourant(), nullptr);
    Saisir("filosofie");
    fenetre->Cliquer(IDC_APPROCHES);
    EXPECT_NE(LexiqueCourant(), nullptr);
    EXPECT_EQ(dialogue.Mode(), ModeListe::Approches);
}

}  // namespace
