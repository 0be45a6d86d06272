#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "approx/tests/RessourcesEssai.h"
#include "data/Ressources.h"
#include "index/ChargeIndex.h"
#include "index/Indexeur.h"
#include "index/Xmapstringvectorstring.h"

using Mots = std::vector<std::string>;
using namespace std::string_literals;

namespace {
bool Charger(Indexeur& index, const std::string& charge) {
    return index.ChargeCharge(reinterpret_cast<const unsigned char*>(charge.data()), charge.size());
}
}  // namespace

TEST(ChargeIndex, LitLesEnregistrementsJusquALaCleVide) {
    Indexeur index;
    ASSERT_TRUE(Charger(index, "k\0mot1\0mot2\0\0m\0mot3\0\0\0"s));
    EXPECT_EQ(index.NombreCles(), 2u);
    EXPECT_EQ(index.GetValeurs("k"), (Mots{"mot1", "mot2"}));
    EXPECT_EQ(index.GetValeurs("m"), (Mots{"mot3"}));
    EXPECT_TRUE(index.GetValeurs("x").empty());
}

TEST(ChargeIndex, UneCleSansMotsEstPresenteAvecUneListeVide) {
    Indexeur index;
    ASSERT_TRUE(Charger(index, "a\0\0b\0x\0\0\0"s));
    EXPECT_TRUE(index.Contient("a"));
    EXPECT_TRUE(index.GetValeurs("a").empty());
    EXPECT_EQ(index.GetValeurs("b"), (Mots{"x"}));
}

TEST(ChargeIndex, UnSeulNulOuUnBlocVideDonneUnIndexVide) {
    for (const std::string& charge : {"\0"s, ""s, "\0garbage"s}) {
        Indexeur index;
        ASSERT_TRUE(Charger(index, charge));
        EXPECT_EQ(index.NombreCles(), 0u);
        EXPECT_FALSE(index.Contient("garbage"));
    }
}

TEST(ChargeIndex, UnBlocCoupeAvantSesNulsFinauxEstRefuseSansLireAuDela) {
    // Each of these stops inside a record or before the empty key.
    const std::vector<std::string> coupes = {"k"s, "k\0mot"s, "k\0mot\0"s, "k\0mot\0\0"s,
                                             "k\0mot\0\0m\0x\0\0"s};
    for (const std::string& coupe : coupes) {
        // An exact-size heap copy lets AddressSanitizer catch any read past the end.
        std::vector<unsigned char> exacte(coupe.begin(), coupe.end());
        ContenuIndex contenu;
        EXPECT_FALSE(AnalyserChargeIndex(exacte.data(), exacte.size(), contenu)) << coupe.size();
    }
}

TEST(ChargeIndex, DesClesHorsDOrdreOuRepeteesSontRefusees) {
    // The lookup is a binary search: each of these would load and then miss keys.
    const std::vector<std::string> desordres = {
        "b\0un\0\0a\0deux\0\0\0"s,                  // descending
        "a\0un\0\0a\0deux\0\0\0"s,                  // repeated
        "ab\0un\0\0a\0deux\0\0\0"s,                 // a prefix after the longer key
        "\xE9t\xE9\0un\0\0z\0deux\0\0\0"s,           // signed-char order: accented before 'z'
        "a\0un\0\0c\0deux\0\0b\0trois\0\0\0"s};       // out of order further on
    for (const std::string& charge : desordres) {
        Indexeur index;
        ASSERT_TRUE(Charger(index, "x\0garde\0\0\0"s));
        EXPECT_FALSE(Charger(index, charge)) << charge;
        EXPECT_EQ(index.GetValeurs("x"), (Mots{"garde"}));  // left as it was
    }
    Indexeur ordonne;
    ASSERT_TRUE(Charger(ordonne, "a\0un\0\0ab\0deux\0\0z\0\0\xE9t\xE9\0trois\0\0\0"s));
    for (const char* cle : {"a", "ab", "z", "\xE9t\xE9"}) EXPECT_TRUE(ordonne.Contient(cle)) << cle;
}

TEST(ChargeIndex, UnChargementRefuseLaisseLIndexCommeIlEtait) {
    Indexeur index;
    ASSERT_TRUE(Charger(index, "a\0un\0\0\0"s));
    EXPECT_FALSE(Charger(index, "b\0deux\0"s));
    EXPECT_EQ(index.GetValeurs("a"), (Mots{"un"}));
    EXPECT_FALSE(index.Contient("b"));
}

TEST(ChargeIndex, UnSecondChargementRemplaceSansFusionner) {
    Indexeur index;
    ASSERT_TRUE(Charger(index, "a\0un\0\0\0"s));
    ASSERT_TRUE(Charger(index, "b\0deux\0\0\0"s));
    EXPECT_FALSE(index.Contient("a"));
    EXPECT_EQ(index.GetValeurs("b"), (Mots{"deux"}));
}

TEST(ChargeIndex, LEcrivainTrieParOctetsEtRelitCeQuIlAEcrit) {
    const std::map<std::string, Mots> source = {
        {"\xE9t\xE9", {"\xE9t\xE9"}}, {"zz", {"zoo", "zut"}}, {"Ab", {"Abel"}}, {"ab", {}}};
    const std::vector<unsigned char> charge = EcrireChargeIndex(source);
    ContenuIndex contenu;
    ASSERT_TRUE(AnalyserChargeIndex(charge.data(), charge.size(), contenu));
    // Accented bytes (above 0x7F) after 'z', capitals before small letters.
    EXPECT_EQ(contenu.cles, (Mots{"Ab", "ab", "zz", "\xE9t\xE9"}));
    EXPECT_EQ(contenu.listes[2], (Mots{"zoo", "zut"}));
    EXPECT_TRUE(contenu.listes[1].empty());
    EXPECT_EQ(charge.back(), 0);
    EXPECT_EQ(charge[charge.size() - 2], 0);
}

TEST(Xmapstringvectorstring, UnPrefixeDUneCleNEstPasUneCle) {
    Xmapstringvectorstring carte;
    carte.construire({"bcl", "bd"}, {{"x"}, {"y"}}, true);
    EXPECT_FALSE(carte.trouver("bc"));
    EXPECT_FALSE(carte.trouver("bcla"));
    EXPECT_EQ(carte.trouver("bcl"), 0u);
    EXPECT_EQ(carte.valeurs("bd"), (Mots{"y"}));
}

TEST(Xmapstringvectorstring, LaRechercheDistingueCasseEtAccents) {
    Xmapstringvectorstring carte;
    carte.construire({"ete"}, {{"ete"}}, true);
    EXPECT_FALSE(carte.trouver("Ete"));
    EXPECT_FALSE(carte.trouver("\xE9t\xE9"));
    EXPECT_TRUE(carte.trouver("ete"));
}

TEST(Xmapstringvectorstring, UnTriTardifGardeLaDerniereListeDesClesEnDouble) {
    Xmapstringvectorstring carte;
    carte.construire({"b", "a", "b"}, {{"b1"}, {"a1"}, {"b2"}}, false);
    EXPECT_FALSE(carte.estTrie());
    EXPECT_EQ(carte.valeurs("a"), (Mots{"a1"}));
    EXPECT_TRUE(carte.estTrie());
    EXPECT_EQ(carte.valeurs("b"), (Mots{"b2"}));
    EXPECT_EQ(carte.taille(), 3u);
    EXPECT_EQ(carte.trouver("b"), 1u);
}

TEST(Xmapstringvectorstring, UnTriTardifRangeLesOctetsAccentuesApresZ) {
    Xmapstringvectorstring carte;
    carte.construire({"\xE9", "z", "A"}, {{"e"}, {"z"}, {"A"}}, false);
    EXPECT_EQ(carte.trouver("A"), 0u);
    EXPECT_EQ(carte.trouver("z"), 1u);
    EXPECT_EQ(carte.trouver("\xE9"), 2u);
    EXPECT_EQ(carte.valeurs("\xE9"), (Mots{"e"}));
}

TEST(Indexeur, LesGetPDonneesRepondentNul) {
    Indexeur index;
    IndexeurSec sec;
    Indexeur& vueDeBase = sec;
    EXPECT_EQ(index.GetPDonnees(), nullptr);
    testing::internal::CaptureStdout();
    EXPECT_EQ(vueDeBase.GetPDonnees(), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "ERREUR ERREUR IndexeurSec::GetPDonnees NON DEFINI AVEC XMAPSTRING\n");
}

TEST(Indexeur, ChargeRessourceDechiffreEtDecompresseLaRessource) {
    const std::string cle = "0123456789abcdef";
    const char* iv = "ivEssai";
    const std::string charge = "cle\0alpha\0beta\0\0\0"s;
    EnregistrerRessourceEssai("INDEX_ESSAI_CHIFFRE",
                              EmballerDonnees(Octets(charge), true, true, cle, iv));
    Indexeur index;
    EXPECT_FALSE(index.ChargeRessource("INDEX_ESSAI_ABSENT", true, true, cle, iv));
    ASSERT_TRUE(index.ChargeRessource("INDEX_ESSAI_CHIFFRE", true, true, cle, iv));
    EXPECT_EQ(index.GetValeurs("cle"), (Mots{"alpha", "beta"}));
}
