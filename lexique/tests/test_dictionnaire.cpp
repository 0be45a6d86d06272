#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "database/ConnexionBase.h"
#include "lexique/NumerosLexique.h"
#include "lexique/dictionnaire.h"
#include "lexique/tests/BaseLexiqueEssai.h"
#include "lexique/tests/EnvironnementEssai.h"
#include "text/tests/DossierEssai.h"

namespace {

namespace fs = std::filesystem;

// Every test starts with no personal list in reach and no current lexicon.
class LexiqueEssai : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(base_.Cree());
        ASSERT_EQ(LexiqueCourant(), nullptr);
    }

    DossierEssai donnees_;
    VariableEssai xdg_{"XDG_DATA_HOME", donnees_.Chemin()};
    BaseLexiqueEssai base_{"lexique"};
};

TEST_F(LexiqueEssai, BaseAbsenteNiCreeeNiLueEtServicesVides) {
    DossierEssai courant;
    DossierCourantEssai dans(courant.Chemin());
    {
        dictionnaire lexique("toto", false);
        EXPECT_EQ(lexique.ChaineConnexion(), std::string(PREFIXE_CONNEXION) + "toto");
        EXPECT_EQ(LexiqueCourant(), &lexique);
        EXPECT_EQ(NumeroMot("maison"), 0);
        EXPECT_EQ(NumeroVariable("genre"), 0);
        EXPECT_EQ(NumeroValeur("masculin"), 0);
        EXPECT_EQ(NumeroValeur("#genre"), 0);
        EXPECT_EQ(TexteValeur(-3), "#var_3");
        EXPECT_EQ(TexteValeur(0), "");
        EXPECT_EQ(TexteValeur(1), "");
        EXPECT_EQ(NomVariable(0), "");
        EXPECT_EQ(lexique.EntreeDuMot("maison", false), nullptr);
        declinaison& flexions = lexique.DeclinaisonDuMot("maison");
        EXPECT_EQ(flexions.texte1, "");
        EXPECT_EQ(flexions.texte2, "");
        EXPECT_EQ(flexions.lexique, &lexique);
        EXPECT_NE(lexique.ListePersonnelle(), nullptr);
    }
    EXPECT_EQ(LexiqueCourant(), nullptr);  // gone with its lexicon
    EXPECT_TRUE(fs::is_empty(courant.Chemin())) << "the missing database was created";
}

TEST_F(LexiqueEssai, ListePersonnelleChargeeSaufSansBase) {
    const std::string dossier = donnees_.Chemin() + "/Quillon/Zeph/";
    fs::create_directories(dossier);
    DossierEssai ecriture;
    fs::copy_file(ecriture.Ecrire("liste", "version=1.0,controle=1f2e0146af\nlibelle=maison\n"),
                  dossier + NOM_LISTE_PERSO);

    dictionnaire avecBase(base_.Chemin(), false);
    ASSERT_NE(avecBase.ListePersonnelle(), nullptr);
    ASSERT_EQ(avecBase.ListePersonnelle()->Entrees().size(), 1u);
    EXPECT_EQ(avecBase.ListePersonnelle()->Entrees()[0].libelle, "maison");
    EXPECT_EQ(avecBase.ListePersonnelle()->Lexique(), &avecBase);

    dictionnaire sansBase(base_.Chemin(), true);
    EXPECT_EQ(sansBase.ListePersonnelle(), nullptr);
    EXPECT_EQ(sansBase.ChaineConnexion(), "");
    EXPECT_EQ(LexiqueCourant(), &avecBase);  // unchanged by a lexicon without database
    EXPECT_EQ(sansBase.EntreeDuMot("maison", false), nullptr);
    EXPECT_EQ(sansBase.DeclinaisonDuMot("maison").texte2, "");
}

TEST_F(LexiqueEssai, NumerotationsEnOrdreDesOctets) {
    ASSERT_TRUE(base_.RemplirExemple());
    dictionnaire lexique(base_.Chemin(), false);

    const struct {
        const char* mot;
        int numero;
    } mots[] = {{"Zebre", 1}, {"arbre", 2}, {"aujourd'hui", 3}, {"maison", 4}, {"\xE9t\xE9", 5}, {"maisons", 0}, {"", 0}};
    for (const auto& m : mots) EXPECT_EQ(NumeroMot(m.mot), m.numero) << m.mot;

    const struct {
        const char* nom;
        int numero;
    } variables[] = {{"aaa", 0}, {"genre", 1}, {"lettre_initiale", 2}, {"lettre_suivante", 3},
                     {"nombre", 4}, {"temps", 5}, {"inconnue", 0}};
    for (const auto& v : variables) {
        EXPECT_EQ(NumeroVariable(v.nom), v.numero) << v.nom;
        if (v.numero > 0) {
            EXPECT_EQ(NomVariable(v.numero), v.nom);
        }
    }
    EXPECT_EQ(NomVariable(0), "");  // the first name cannot be had back
    EXPECT_EQ(NomVariable(6), "");
    EXPECT_EQ(NomVariable(-1), "");

    const struct {
        const char* texte;
        int numero;
    } valeurs[] = {{"a", 1}, {"b", 3}, {"c", 4}, {"feminin", 5}, {"masculin", 6}, {"passe", 7},
                   {"pluriel", 8}, {"present", 9}, {"singulier", 11}, {"x", 12}, {"y", 0},
                   {"#genre", -1}, {"#temps", -5}, {"#aaa", 0}, {"#inconnue", 0}, {"#", 0}};
    for (const auto& v : valeurs) EXPECT_EQ(NumeroValeur(v.texte), v.numero) << v.texte;
    EXPECT_EQ(TexteValeur(2), "b");  // a repeated value keeps all its numbers...
    EXPECT_EQ(TexteValeur(3), "b");  // ...and is looked up as the highest
    EXPECT_EQ(TexteValeur(10), "singulier");
    EXPECT_EQ(TexteValeur(12), "x");
    EXPECT_EQ(TexteValeur(13), "");
    EXPECT_EQ(TexteValeur(-5), "#var_5");
    EXPECT_EQ(TexteValeur(-2147483647 - 1), "#var_2147483648");

    ASSERT_EQ(lexique.Variables().size(), 6u);
    EXPECT_EQ(lexique.Variables()[0].nom, "genre");  // kept in table order
    EXPECT_EQ(lexique.Variables()[0].valeurs, (std::vector<std::string>{"masculin", "feminin"}));
    EXPECT_EQ(lexique.Variables()[0].nombre, 7);
}

TEST_F(LexiqueEssai, TablesLuesUneSeuleFois) {
    ASSERT_TRUE(base_.RemplirExemple());
    dictionnaire lexique(base_.Chemin(), false);
    ASSERT_TRUE(base_.Executer("INSERT INTO hgjkghjk VALUES ('abri', '', '');"
                               "INSERT INTO flhgjlghl VALUES ('zzz', '\\#zut#', 1);"));
    EXPECT_EQ(NumeroMot("abri"), 0);
    EXPECT_EQ(NumeroMot("maison"), 4);
    EXPECT_EQ(NumeroVariable("zzz"), 0);
    EXPECT_EQ(NumeroValeur("zut"), 0);
    EXPECT_EQ(lexique.Variables().size(), 6u);
}

TEST_F(LexiqueEssai, LeDernierLexiqueConstruitEstLeCourant) {
    ASSERT_TRUE(base_.RemplirExemple());
    dictionnaire premier(base_.Chemin(), false);
    EXPECT_EQ(NumeroMot("maison"), 4);
    {
        dictionnaire second("toto", false);
        EXPECT_EQ(LexiqueCourant(), &second);
        EXPECT_EQ(NumeroMot("maison"), 0);
    }
    // The first one is not current again: the services find nothing.
    EXPECT_EQ(LexiqueCourant(), nullptr);
    EXPECT_EQ(NumeroMot("maison"), 0);
}

// A variable table of `nombre` names v0000, v0001 ..., each with the value x.
std::string VariablesNumerotees(int nombre) {
    return "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(nombre - 1) +
           ") INSERT INTO flhgjlghl SELECT printf('v%04d', i), '\\#x#', i FROM n;";
}

TEST_F(LexiqueEssai, AuDelaDeMilleNomsOuValeursPlusAucunNumero) {
    const struct {
        int noms;
        const char* dernier;
        int dernierNom;    // NumeroVariable of the last name
        int valeurX;       // NumeroValeur("x")
    } cas[] = {{1000, "v0999", 999, 1000}, {1001, "v1000", 0, 0}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.noms);
        BaseLexiqueEssai base("lexique_mille");
        ASSERT_TRUE(base.Executer(VariablesNumerotees(c.noms)));
        dictionnaire lexique(base.Chemin(), false);
        ASSERT_EQ(lexique.Variables().size(), std::size_t(c.noms));
        EXPECT_EQ(NumeroVariable(c.dernier), c.dernierNom);
        EXPECT_EQ(NumeroVariable("v0001"), c.noms > 1000 ? 0 : 1);
        EXPECT_EQ(NumeroValeur("#v0002"), c.noms > 1000 ? 0 : -2);
        EXPECT_EQ(NumeroValeur("x"), c.valeurX);
        EXPECT_EQ(NomVariable(1), "v0001");  // the names themselves are still there
        EXPECT_EQ(TexteValeur(7), "x");
    }
}

TEST_F(LexiqueEssai, EntreeSansTexte3RedemandeeALaBase) {
    ASSERT_TRUE(base_.Executer("INSERT INTO hjhvglkj VALUES ('', '', '', 'quatre', '', '', '', 'vide', 1);"));
    dictionnaire lexique(base_.Chemin(), false);
    EXPECT_EQ(lexique.EntreeDuMot("vide", false), nullptr);
    ASSERT_TRUE(base_.Executer("UPDATE hjhvglkj SET t3 = 'rempli' WHERE xdfhyxfhg = 'vide';"));
    entree* trouvee = lexique.EntreeDuMot("vide", false);
    ASSERT_NE(trouvee, nullptr);
    EXPECT_EQ(trouvee->Texte3(), "rempli");
    EXPECT_EQ(trouvee->Texte4(), "quatre");
    EXPECT_EQ(trouvee->LexiqueProprietaire(), &lexique);

    // Found once, it is kept: the database is not asked again.
    ASSERT_TRUE(base_.Executer("DELETE FROM hjhvglkj;"));
    EXPECT_EQ(lexique.EntreeDuMot("vide", false), trouvee);
    EXPECT_EQ(lexique.EntreeDuMot("vide", true), trouvee);
    EXPECT_EQ(lexique.EntreeDuMot("absent", false), nullptr);
}

TEST_F(LexiqueEssai, CacheSeulementNInterrogeJamaisLaBase) {
    ASSERT_TRUE(base_.RemplirExemple());
    dictionnaire lexique(base_.Chemin(), false);
    EXPECT_EQ(lexique.EntreeDuMot("maison", true), nullptr);
    entree* maison = lexique.EntreeDuMot("maison", false);
    ASSERT_NE(maison, nullptr);
    EXPECT_EQ(maison->Texte3(), "l'article");
    EXPECT_EQ(lexique.EntreeDuMot("maison", true), maison);
}

TEST_F(LexiqueEssai, DeclinaisonJamaisDemandeeDeuxFois) {
    ASSERT_TRUE(base_.RemplirExemple());
    dictionnaire lexique(base_.Chemin(), false);
    declinaison& maison = lexique.DeclinaisonDuMot("maison");
    EXPECT_EQ(maison.texte1, "maison");
    EXPECT_EQ(maison.texte2, "maisons");
    EXPECT_EQ(maison.lexique, &lexique);
    declinaison& absente = lexique.DeclinaisonDuMot("chateau");
    EXPECT_EQ(absente.texte1, "");
    EXPECT_EQ(absente.lexique, &lexique);

    ASSERT_TRUE(base_.Executer("DELETE FROM tryjufh; INSERT INTO tryjufh VALUES ('chateau', 'chateaux');"));
    EXPECT_EQ(&lexique.DeclinaisonDuMot("maison"), &maison);
    EXPECT_EQ(lexique.DeclinaisonDuMot("maison").texte2, "maisons");
    EXPECT_EQ(&lexique.DeclinaisonDuMot("chateau"), &absente);
    EXPECT_EQ(lexique.DeclinaisonDuMot("chateau").texte2, "");
}

TEST_F(LexiqueEssai, ApostrophesDoubleesDansLaRequeteEtSimplifieesALaLecture) {
    ASSERT_TRUE(base_.RemplirExemple());
    dictionnaire lexique(base_.Chemin(), false);
    entree* aujourdhui = lexique.EntreeDuMot("aujourd'hui", false);
    ASSERT_NE(aujourdhui, nullptr);
    EXPECT_EQ(aujourdhui->Texte3(), "aujourd'hui");
    EXPECT_EQ(aujourdhui->Texte6(), "l''article");  // stored as it is
    EXPECT_EQ(aujourdhui->NumeroTexte3(), 3);
    EXPECT_EQ(aujourdhui->NumeroTexte8(), 3);
    EXPECT_EQ(lexique.DeclinaisonDuMot("aujourd'hui").texte2, "d'aucune");
    // Through the entry, the same cached record.
    const declinaison parEntree = aujourdhui->DeclinaisonTexte7();
    EXPECT_EQ(parEntree.texte2, "d'aucune");
    EXPECT_EQ(parEntree.lexique, &lexique);
    // A key made to break out of the statement finds nothing and harms nothing.
    EXPECT_EQ(lexique.EntreeDuMot("x') OR ('a'='a", false), nullptr);
    EXPECT_EQ(lexique.DeclinaisonDuMot("x') OR ('a'='a").texte2, "");
    EXPECT_EQ(lexique.EntreeDuMot(std::string(6000, 'a'), false), nullptr);
}

}  // namespace
