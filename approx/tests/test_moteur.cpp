#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "approx/DistancesMots.h"
#include "approx/MateriauCles.h"
#include "approx/MoteurApproches.h"
#include "approx/ReglesPhonetiques.h"
#include "approx/TypesCles.h"
#include "approx/tests/RessourcesEssai.h"
#include "data/Ressources.h"
#include "index/ChargeIndex.h"

using Mots = std::vector<std::string>;
using Index = std::map<std::string, Mots>;

namespace {
int TypeDe(const char* ressource) {
    for (int i = 0; i < NOMBRE_TYPES_CLES; ++i)
        if (std::string(TableTypesCles[i].ressource) == ressource) return i;
    return -1;
}

// Builds an index resource exactly as the data builder does.
void EnregistrerIndex(const char* ressource, const Index& contenu) {
    const char* chaine = TableTypesCles[TypeDe(ressource)].chaine;
    EnregistrerRessourceEssai(
        ressource, EmballerDonnees(EcrireChargeIndex(contenu), true, true, CleIndexApproches(chaine), chaine));
}

// Every suffix of `longueur` letters taken from `lettres`, in order, at most `nombre`.
Mots Suffixes(const std::string& base, const std::string& lettres, int longueur, std::size_t nombre) {
    Mots mots{base};
    for (int i = 0; i < longueur; ++i) {
        Mots suivants;
        for (const std::string& m : mots)
            for (char c : lettres) suivants.push_back(m + c);
        mots = suivants;
    }
    if (mots.size() > nombre) mots.resize(nombre);
    return mots;
}

Mots Concatener(std::initializer_list<Mots> listes) {
    Mots tout;
    for (const Mots& l : listes) tout.insert(tout.end(), l.begin(), l.end());
    return tout;
}

class Moteur : public testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string regles = "B:B\n";
        for (char c : std::string("abdegijlmnprsuvyz")) regles += std::string(1, c) + ":" + char(c - 32) + "\n";
        InstallerRegles(regles);
        static bool fait = false;
        if (fait) return;
        fait = true;
        // Fin3 keys of "zzzz", "yyyy", "bbbb", "cccc", "dddd", "vvvv".
        Mots cent50;
        for (int i = 149; i >= 0; --i) cent50.push_back("w" + std::string(i < 100 ? "0" : "") +
                                                        std::string(i < 10 ? "0" : "") + std::to_string(i));
        EnregistrerIndex("MAPFIN3",
                         {{"zzz", Concatener({Suffixes("zzzz", "abde", 1, 4), Suffixes("zzzz", "abde", 2, 5),
                                              Suffixes("zzzz", "abde", 3, 30)})},
                          {"yyy", Concatener({Suffixes("yyyy", "abde", 1, 4), Suffixes("yyyy", "abde", 2, 6),
                                              Suffixes("yyyy", "abde", 3, 5)})},
                          {"bbb", {"bbbbaaaaaaaaaaaa", "bbbBaaaaaaaaaaa", "bbbbaaaaaaaaaaa"}},
                          {"ccc", {"\xE9t\xE9", "zoo", "Zebre", "abc", "zoo"}},
                          {"ddd", cent50},
                          {"vvv", {"vvvvv", "vvvvaa", "vvvv", "vvva"}}});
        // z sounds Z, which the merged key writes S.
        EnregistrerIndex("MAPPHON2", {{"S-S-S-S-", {"zzzza", "zzzzphone"}}});
    }
    LexiqueMinimal lexique;
    MoteurApproches moteur{&lexique};
    MoteurApproches sansLexique{nullptr};
};
}  // namespace

TEST_F(Moteur, LesGroupesDeDistanceSontAjoutesEntiersJusquADixMots) {
    ASSERT_EQ(DistanceMots(true, "zzzz", "zzzza"), 3);
    ASSERT_EQ(DistanceMots(true, "zzzz", "zzzzab"), 6);
    ASSERT_EQ(DistanceMots(true, "zzzz", "zzzzabd"), 9);
    // 4 at 3, 5 at 6 (9 words), then the whole group of 30 at 9.
    EXPECT_EQ(moteur.RechercherApproches("zzzz", TypeDe("MAPFIN3")).size(), 39u);
    // 4 at 3 and 6 at 6 make 10: the group at 9 is not reached.
    const Mots dix = moteur.RechercherApproches("yyyy");
    EXPECT_EQ(dix, Concatener({Suffixes("yyyy", "abde", 1, 4), Suffixes("yyyy", "abde", 2, 6)}));
}

TEST_F(Moteur, LeMotTapeStockeSousUneDeSesClesVientEnPremier) {
    const std::vector<MotApproche> resultat = moteur.RechercherApprochesAvecDistances("vvvv");
    ASSERT_EQ(resultat.size(), 4u);
    EXPECT_EQ(resultat[0].mot, "vvvv");
    EXPECT_EQ(resultat[0].distance, 0);
    for (std::size_t i = 1; i < resultat.size(); ++i) EXPECT_GE(resultat[i].distance, 1);
    EXPECT_TRUE(std::is_sorted(resultat.begin(), resultat.end(),
                               [](const auto& a, const auto& b) { return a.distance < b.distance; }));
}

TEST_F(Moteur, UnCandidatATrenteCinqEstGardeATrenteSixEcarte) {
    ASSERT_EQ(DistanceMots(true, "bbbb", "bbbBaaaaaaaaaaa"), 35);
    ASSERT_EQ(DistanceMots(true, "bbbb", "bbbbaaaaaaaaaaaa"), 36);
    ASSERT_EQ(DistanceMots(true, "bbbb", "bbbbaaaaaaaaaaa"), 33);
    EXPECT_EQ(moteur.RechercherApproches("bbbb"), (Mots{"bbbbaaaaaaaaaaa", "bbbBaaaaaaaaaaa"}));
}

TEST_F(Moteur, SansLexiqueToutEstADistanceZeroEnOrdreDesOctets) {
    // Capitals before small letters, accented bytes after z, each word once.
    EXPECT_EQ(sansLexique.RechercherApproches("cccc"), (Mots{"Zebre", "abc", "zoo", "\xE9t\xE9"}));
}

TEST_F(Moteur, UnGroupeDeCentCinquanteMotsEstCoupeACent) {
    const Mots resultat = sansLexique.RechercherApproches("dddd");
    ASSERT_EQ(resultat.size(), RESULTATS_MAX);
    EXPECT_EQ(resultat.front(), "w000");
    EXPECT_EQ(resultat.back(), "w099");
    EXPECT_TRUE(std::is_sorted(resultat.begin(), resultat.end()));
}

TEST_F(Moteur, LesCandidatsSontCollectesParTypeEtSansDedoublonnage) {
    // PHON2 comes before Fin3 in the table; "zzzza" is listed by both.
    const Mots candidats = moteur.CollecterCandidats("zzzz", -1);
    ASSERT_EQ(candidats.size(), 2u + 39u);
    EXPECT_EQ(candidats[0], "zzzza");
    EXPECT_EQ(candidats[1], "zzzzphone");
    EXPECT_EQ(candidats[2], "zzzza");
    EXPECT_EQ(moteur.CollecterCandidats("zzzz", TypeDe("MAPPHON2")), (Mots{"zzzza", "zzzzphone"}));
    // Ranked, "zzzza" is there once.
    const Mots resultat = moteur.RechercherApproches("zzzz");
    EXPECT_EQ(std::count(resultat.begin(), resultat.end(), "zzzza"), 1);
}

TEST_F(Moteur, UnTypeInactifOuSansRessourceNApporteRien) {
    EXPECT_TRUE(moteur.RechercherApproches("zzzz", TypeDe("MAPPHON")).empty());
    EXPECT_TRUE(moteur.RechercherApproches("zzzz", TypeDe("MAPCONS")).empty());
    EXPECT_FALSE(IndexCharge(TypeDe("MAPCONS")));
    EXPECT_TRUE(moteur.RechercherApproches("").empty());
    EXPECT_TRUE(sansLexique.RechercherApproches("").empty());
}

TEST_F(Moteur, UnIndexAbsentEstRechercheDeNouveauALaRechercheSuivante) {
    const int milieu = TypeDe("MAPMILIEU4");
    EXPECT_TRUE(moteur.RechercherApproches("mmmmmm", milieu).empty());
    EXPECT_FALSE(IndexCharge(milieu));
    EnregistrerIndex("MAPMILIEU4", {{"mmmm", {"mmmmmmm"}}});
    EXPECT_EQ(moteur.RechercherApproches("mmmmmm", milieu), (Mots{"mmmmmmm"}));
    EXPECT_TRUE(IndexCharge(milieu));
}

TEST_F(Moteur, UnIndexMalChiffreNeSeChargePas) {
    // Enciphered with another kind's key material: the inflate step fails.
    EnregistrerRessourceEssai("MAPSIMP", EmballerDonnees(EcrireChargeIndex({{"abcd", {"x"}}}), true, true,
                                                         CleIndexApproches("Z33mH7"), "Z33mH7"));
    AssurerIndex(TypeDe("MAPSIMP"));
    EXPECT_FALSE(IndexCharge(TypeDe("MAPSIMP")));
}
