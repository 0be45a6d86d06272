#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "approx/tests/RessourcesEssai.h"
#include "data/Ressources.h"
#include "index/ChargeIndex.h"
#include "index/IndexBlocs.h"
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

namespace {
// Keys k000 .. k399, each with two words; a small block size spreads them over many blocks.
std::map<std::string, std::vector<std::string>> QuatreCentsCles() {
    std::map<std::string, std::vector<std::string>> index;
    for (int i = 0; i < 400; ++i) {
        std::string cle = "k";
        cle += char('0' + i / 100);
        cle += char('0' + i / 10 % 10);
        cle += char('0' + i % 10);
        index[cle] = {cle + "a", cle + "b"};
    }
    index["\xE9t\xE9"] = {"\xE9t\xE9"};  // after every ASCII key in byte order
    index["vide"] = {};
    return index;
}

std::size_t DebutUnite(const std::vector<unsigned char>& octets, std::size_t u) {
    const std::size_t p = 8 + 4 * u;
    return std::size_t(octets[p]) | std::size_t(octets[p + 1]) << 8 | std::size_t(octets[p + 2]) << 16 |
           std::size_t(octets[p + 3]) << 24;
}
}  // namespace

TEST(IndexBlocs, UneRessourceEnBlocsSeLitEnPlaceUnBlocParRecherche) {
    const std::string cle = "0123456789abcdef";
    const char* iv = "ivBlocs";
    const auto source = QuatreCentsCles();
    EnregistrerRessourceEssai("INDEX_ESSAI_BLOCS", EmballerIndexBlocs(source, cle, iv, 300));
    Indexeur index;
    ASSERT_TRUE(index.ChargeRessource("INDEX_ESSAI_BLOCS", true, true, cle, iv));
    EXPECT_EQ(index.NombreCles(), source.size());
    // Every key, the first and the last of each block included, and nothing else.
    for (const auto& [k, mots] : source) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(index.Contient(k));
        EXPECT_EQ(index.GetValeurs(k), mots);
    }
    for (const char* absente : {"a", "k", "k00", "k0000", "k400", "vid", "videe", "\xFF", ""}) {
        SCOPED_TRACE(absente);
        EXPECT_FALSE(index.Contient(absente));
        EXPECT_TRUE(index.GetValeurs(absente).empty());
    }
    // Another key opens nothing: the payload goes through the pipeline and is refused.
    Indexeur autre;
    EXPECT_FALSE(autre.ChargeRessource("INDEX_ESSAI_BLOCS", true, true, "fedcba9876543210", iv));
}

TEST(IndexBlocs, UnBlocAbimeNePerdQueSesCles) {
    const std::string cle = "0123456789abcdef";
    const auto source = QuatreCentsCles();
    const std::vector<unsigned char> bon = EmballerIndexBlocs(source, cle, nullptr, 300);
    std::vector<unsigned char> abime = bon;
    const std::size_t debut = DebutUnite(bon, 3), fin = DebutUnite(bon, 4);  // block 2
    abime[(debut + fin) / 2] ^= 0x01;
    IndexBlocs blocs;
    ASSERT_TRUE(blocs.Ouvrir(abime.data(), abime.size(), cle, nullptr));
    std::size_t perdues = 0;
    for (const auto& [k, mots] : source) {
        const auto lues = blocs.Valeurs(k);
        if (!lues) ++perdues;
        else EXPECT_EQ(*lues, mots) << k;
    }
    EXPECT_GT(perdues, 0u);
    EXPECT_LT(perdues, source.size() / 4);
    // A damaged first unit or layout opens nothing.
    std::vector<unsigned char> premiere = bon;
    premiere[DebutUnite(bon, 0) + 2] ^= 0x01;
    EXPECT_FALSE(blocs.Ouvrir(premiere.data(), premiere.size(), cle, nullptr));
    EXPECT_FALSE(blocs.Valeurs("k000"));
    std::vector<unsigned char> coupe(bon.begin(), bon.begin() + 20);
    EXPECT_FALSE(blocs.Ouvrir(coupe.data(), coupe.size(), cle, nullptr));
    ASSERT_TRUE(blocs.Ouvrir(bon.data(), bon.size(), cle, nullptr));
    EXPECT_EQ(blocs.Valeurs("k399"), source.at("k399"));
    // An empty index is sound.
    const std::vector<unsigned char> vide = EmballerIndexBlocs({}, cle, nullptr);
    ASSERT_TRUE(blocs.Ouvrir(vide.data(), vide.size(), cle, nullptr));
    EXPECT_EQ(blocs.NombreCles(), 0u);
    EXPECT_FALSE(blocs.Valeurs("k000"));
}
