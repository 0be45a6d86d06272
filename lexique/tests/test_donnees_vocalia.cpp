#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "approx/LexiqueApproches.h"
#include "approx/MoteurApproches.h"
#include "approx/ReglesPhonetiques.h"
#include "approx/TablePhonemes.h"
#include "data/Article.h"
#include "data/Dictionnaire.h"
#include "data/IndexFlexions.h"
#include "index/ChargeIndex.h"
#include "lexique/DonneesVocalia.h"
#include "rendu/OptionsFiltre.h"
#include "rendu/RechercheTolerante.h"
#include "rendu/VoisinageSaisie.h"

namespace {

using Mots = std::vector<std::string>;
using Index = std::map<std::string, Mots>;

int TypeDe(const char* nom) {
    for (int i = 0; i < NOMBRE_TYPES_CLES; ++i)
        if (std::string(TableTypesCles[i].nom) == nom) return i;
    return -1;
}

// What one made-up data set holds: its headwords, its forms, the words of
// one key of the anagram kind, and its phonetic rules ("" for none).
struct JeuEssai {
    Mots titres;
    Index flexions;
    Mots anagrammes;  // under "aimnos", the key of "maisson"
    std::string regles;
};

std::vector<Article> Articles(const Mots& titres) {
    std::vector<Article> articles;
    for (const std::string& titre : titres) {
        Article article;
        article.mot = titre;
        article.categorie = "NOM";
        article.sens.push_back({"Le sens de " + titre + ".", {}});
        articles.push_back(article);
    }
    return articles;
}

void Remplir(DonneesVocalia& donnees, const JeuEssai& jeu) {
    const std::vector<unsigned char> dictionnaire = EcrireDictionnaire("essai", Articles(jeu.titres));
    ASSERT_TRUE(ChargerDictionnaireDepuis(donnees.Dictionnaire(), dictionnaire.data(), dictionnaire.size()));
    const std::vector<unsigned char> flexions = EcrireIndexFlexions(jeu.flexions);
    ASSERT_TRUE(donnees.Flexions().ChargerDepuis(flexions.data(), flexions.size()));
    const std::vector<unsigned char> index = EcrireChargeIndex({{"aimnos", jeu.anagrammes}});
    ASSERT_TRUE(donnees.Approches().InstallerIndex(TypeDe("ANA"), index.data(), index.size()));
    if (!jeu.regles.empty()) donnees.Approches().InstallerRegles(jeu.regles);
}

// Headwords in French order; "p\xE2te" and "p\xE2t\xE9" share their accent-free form.
const JeuEssai JEU_A{{"maison", "moisson", "p\xE2te"}, {{"maisons", {"maison"}}}, {"maison"}, "m:M\na:A\ni:I\ns:S\n"};
const JeuEssai JEU_B{{"p\xE2t\xE9", "raison"}, {{"raisons", {"raison"}}, {"maisons", {"raison"}}}, {"maisons"}, ""};

class DeuxJeux : public testing::Test {
protected:
    void SetUp() override {
        Remplir(a, JEU_A);
        Remplir(b, JEU_B);
    }
    DonneesVocalia a;
    DonneesVocalia b;
};

TEST_F(DeuxJeux, ChaqueDictionnaireRepondDeSesArticles) {
    struct Cas {
        DonneesVocalia* donnees;
        const char* mot;
        bool present;
    };
    for (const Cas& cas : {Cas{&a, "maison", true}, Cas{&a, "moisson", true}, Cas{&a, "raison", false},
                           Cas{&b, "raison", true}, Cas{&b, "maison", false}, Cas{&b, "moisson", false}}) {
        const std::vector<Article> trouves = cas.donnees->Dictionnaire().TrouverArticles(cas.mot);
        EXPECT_EQ(trouves.size(), cas.present ? 1u : 0u) << cas.mot;
        if (!trouves.empty()) {
            EXPECT_EQ(trouves.front().mot, cas.mot);
        }
    }
    EXPECT_EQ(a.Dictionnaire().NombreArticles(), JEU_A.titres.size());
    EXPECT_EQ(b.Dictionnaire().NombreArticles(), JEU_B.titres.size());
}

TEST_F(DeuxJeux, ChaqueIndexDeFormesRenvoieASesEntrees) {
    // The same form leads to another headword in each set.
    EXPECT_EQ(a.Flexions().Lemmes("maisons"), Mots{"maison"});
    EXPECT_EQ(b.Flexions().Lemmes("maisons"), Mots{"raison"});
    EXPECT_EQ(a.Flexions().Lemmes("raisons"), std::nullopt);
    EXPECT_EQ(b.Flexions().Lemmes("raisons"), Mots{"raison"});
}

TEST_F(DeuxJeux, ChaqueMoteurChercheDansSesIndexEtSesRegles) {
    const LexiqueMinimal lexique;
    const MoteurApproches moteurA(&lexique, a.Approches());
    const MoteurApproches moteurB(&lexique, b.Approches());
    EXPECT_EQ(moteurA.RechercherApproches("maisson"), JEU_A.anagrammes);
    EXPECT_EQ(moteurB.RechercherApproches("maisson"), JEU_B.anagrammes);
    // Each set keeps its own rules and the distances measured with them.
    EXPECT_EQ(a.Approches().Transcrire("mais"),
              std::string({CodePhoneme("M"), CodePhoneme("A"), CodePhoneme("I"), CodePhoneme("S")}));
    EXPECT_EQ(b.Approches().Transcrire("mais"), "");
    EXPECT_EQ(a.Approches().CachePhonetique().count("maison/maisson"), 1u);
    EXPECT_EQ(a.Approches().CachePhonetique().count("maisons/maisson"), 0u);
    EXPECT_EQ(b.Approches().CachePhonetique().count("maisons/maisson"), 1u);
    EXPECT_EQ(b.Approches().CachePhonetique().count("maison/maisson"), 0u);
}

Mots MotsMontres(const std::vector<MotAffiche>& trouves) {
    Mots mots;
    for (const MotAffiche& trouve : trouves) {
        mots.push_back(trouve.mot);
        EXPECT_FALSE(trouve.articles.empty()) << trouve.mot;
        for (const Article& article : trouve.articles) EXPECT_EQ(article.mot, trouve.mot);
    }
    return mots;
}

TEST_F(DeuxJeux, ChaqueRechercheTolerantePasseParSesDonnees) {
    struct Cas {
        DonneesVocalia* donnees;
        const char* saisie;
        Mots montres;
    };
    const Cas table[] = {
        {&a, "maisons", {"maison"}},  // through its own forms
        {&b, "maisons", {"raison"}},
        {&a, "pate", {"p\xE2te"}},  // through its own accent-free headwords
        {&b, "pate", {"p\xE2t\xE9"}},
        {&a, "PATE", {"p\xE2te"}},
        {&b, "(Raison)", {"raison"}},
        {&a, "raison", {}},
        {&b, "moisson", {}},
    };
    for (const Cas& cas : table)
        EXPECT_EQ(MotsMontres(RechercherTolerant(cas.donnees->Articles(), cas.saisie, {})), cas.montres) << cas.saisie;
}

TEST_F(DeuxJeux, ChaqueListeEtChaqueMotResoluViennentDeSesDonnees) {
    const CarteOptions argotExclu{{"argot", true}};
    EXPECT_EQ(FiltrerMots(a.Dictionnaire(), {"raison", "maison", "moisson"}, argotExclu), (Mots{"maison", "moisson"}));
    EXPECT_EQ(FiltrerMots(b.Dictionnaire(), {"raison", "maison", "moisson"}, argotExclu), Mots{"raison"});
    EXPECT_EQ(TeteLaPlusProche(a.Dictionnaire(), "mo"), "moisson");
    EXPECT_EQ(TeteLaPlusProche(b.Dictionnaire(), "r"), "raison");
    EXPECT_EQ(FenetreDeLaSaisie(a.Dictionnaire(), "mo").mots, JEU_A.titres);
    EXPECT_EQ(FenetreDeLaSaisie(b.Dictionnaire(), "r").mots, JEU_B.titres);
    EXPECT_EQ(ResoudreMot(a.Dictionnaire(), a.Flexions(), "maisons"), std::optional<std::string>("maison"));
    EXPECT_EQ(ResoudreMot(b.Dictionnaire(), b.Flexions(), "maisons"), std::optional<std::string>("raison"));
    EXPECT_EQ(ResoudreMot(b.Dictionnaire(), b.Flexions(), "Raison"), std::optional<std::string>("raison"));
    EXPECT_EQ(ResoudreMot(a.Dictionnaire(), a.Flexions(), "raisons"), std::nullopt);
}

TEST_F(DeuxJeux, NouvellesReglesOublientLesDistancesMesurees) {
    const LexiqueMinimal lexique;
    MoteurApproches(&lexique, a.Approches()).RechercherApproches("maisson");
    ASSERT_FALSE(a.Approches().CachePhonetique().empty());
    a.Approches().InstallerRegles("m:M\n");
    EXPECT_TRUE(a.Approches().CachePhonetique().empty());
}

TEST(DonneesVocaliaParDefaut, SesPartiesSontCellesDesAppelsDuProcessus) {
    DonneesVocalia& donnees = DonneesVocalia::ParDefaut();
    EXPECT_EQ(&donnees.Dictionnaire(), &DictionnaireCourant());
    EXPECT_EQ(&donnees.Flexions(), &IndexFlexions::ParDefaut());
    EXPECT_EQ(&donnees.Approches(), &DonneesApproches::ParDefaut());
    EXPECT_EQ(&donnees.Approches().Regles(), &ReglesCourantes());
    // What the process-wide calls load is what the object answers, and back.
    const std::vector<unsigned char> dictionnaire = EcrireDictionnaire("defaut", Articles({"abri", "abricot"}));
    ASSERT_TRUE(ChargerDictionnaireDepuis(dictionnaire.data(), dictionnaire.size()));
    EXPECT_EQ(donnees.Dictionnaire().NombreArticles(), 2u);
    EXPECT_EQ(EtiquetteDonnees(), "defaut");
    const std::vector<unsigned char> flexions = EcrireIndexFlexions({{"abris", {"abri"}}});
    ASSERT_TRUE(donnees.Flexions().ChargerDepuis(flexions.data(), flexions.size()));
    EXPECT_EQ(Lemmes("abris"), Mots{"abri"});
    InstallerRegles("a:A\n");
    EXPECT_EQ(donnees.Approches().Transcrire("a"), std::string(1, CodePhoneme("A")));
    // A built object shares none of it.
    DonneesVocalia autre;
    EXPECT_EQ(autre.Dictionnaire().NombreArticles(), 0u);
    EXPECT_EQ(autre.Flexions().Lemmes("abris"), std::nullopt);
    EXPECT_EQ(autre.Approches().Transcrire("a"), "");
}

}  // namespace
