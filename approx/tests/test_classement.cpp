#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "approx/DistancesMots.h"
#include "approx/FrequencesMots.h"
#include "approx/LexiqueApproches.h"
#include "approx/MateriauCles.h"
#include "approx/MoteurApproches.h"
#include "approx/RangApproches.h"
#include "approx/ReglesPhonetiques.h"
#include "approx/TypesCles.h"
#include "approx/tests/RessourcesEssai.h"
#include "data/Ressources.h"
#include "index/ChargeIndex.h"

// The ranking's prior on a made-up dictionary: every candidate of a query is
// listed under the query's ANA key, and the commonness figures come through
// their own resource, as the data builder writes them.
using Mots = std::vector<std::string>;

namespace {
struct Requete {
    const char* tape;
    Mots candidats;
};

// Words written as the program holds them (Windows-1252).
const std::unordered_map<std::string, std::uint32_t> FIGURES = {
    {"fourchette", 43},   {"fourchet\xE9", 0},  {"fourchet\xE9" "e", 0}, {"fourchet", 2},
    {"\x9Cuf", 517},      {"moeuf", 0},         {"keuf", 0},             {"neuf", 900},
    {"no\xEBl", 71},      {"Wo\xEBl", 0},       {"No\xE9", 31},          {"Fernoel", 0},
    {"\xE9\x63ole", 740}, {"\xC9\x63ole", 192}, {"\xE9\x63olier", 3},
    {"maison", 3119},     {"moisson", 139},     {"aisson", 0},           {"maisons", 0},
    {"cerise", 62},       {"Cerise", 0},        {"crise", 250},
    {"genou", 321},       {"Menou", 2},         {"guenon", 40},
};

const Requete REQUETES[] = {
    {"fourchete", {"fourchet\xE9", "fourchet\xE9" "e", "fourchet", "fourchette"}},
    {"oeuf", {"moeuf", "keuf", "neuf", "\x9Cuf"}},
    {"noel", {"Wo\xEBl", "No\xE9", "Fernoel", "no\xEBl"}},
    {"Noel", {"Wo\xEBl", "No\xE9", "Fernoel", "no\xEBl"}},
    {"ecole", {"\xC9\x63ole", "\xE9\x63olier", "\xE9\x63ole"}},
    {"Ecole", {"\xE9\x63ole", "\xE9\x63olier", "\xC9\x63ole"}},
    {"maisson", {"aisson", "moisson", "maisons", "maison"}},
    {"cerise", {"Cerise", "crise", "cerise"}},
    {"genou", {"Menou", "guenon", "genou"}},
};

class Classement : public testing::Test {
protected:
    static void SetUpTestSuite() {
        // Each letter its own sound, accented ones included.
        std::string regles = "\xE9:EAIGU\n\xE8:EGRAVE\n\xEB:EGRAVE\n\x9Cu:OEU\n\xC9:EAIGU\n";
        for (char c : std::string("abdefgijklmnoprstuvz")) regles += std::string(1, c) + ":" + char(c - 32) + "\n";
        regles += "c:K\nh:NUL\nw:V\nq:K\n";
        for (char c : std::string("ABDEFGIJKLMNOPRSTUVZ")) regles += std::string(1, c) + ":" + c + "\n";
        regles += "W:V\nC:K\n";
        InstallerRegles(regles);
        static bool fait = false;
        if (fait) return;
        fait = true;
        std::map<std::string, Mots> index;
        for (const Requete& r : REQUETES) {
            Mots& liste = index[CleANA(r.tape)];
            liste.insert(liste.end(), r.candidats.begin(), r.candidats.end());
        }
        const char* chaine = "Z33mH7";  // MAPANA's, as in the table of kinds
        EnregistrerRessourceEssai("MAPANA", EmballerDonnees(EcrireChargeIndex(index), true, true,
                                                            CleIndexApproches(chaine), chaine));
        EnregistrerRessourceEssai(RESSOURCE_FREQUENCES,
                                  EmballerDonnees(EcrireChargeIndex(ListesFrequences(FIGURES)), true, true,
                                                  CleIndexApproches(CHAINE_FREQUENCES), CHAINE_FREQUENCES));
    }

    static std::size_t Place(const Mots& resultat, const std::string& mot) {
        return static_cast<std::size_t>(std::find(resultat.begin(), resultat.end(), mot) - resultat.begin());
    }

    LexiqueMinimal lexique;
    MoteurApproches moteur{&lexique};
};
}  // namespace

TEST_F(Classement, LesFiguresArriventParLeurRessource) {
    AssurerFrequences();
    ASSERT_TRUE(FrequencesChargees());
    EXPECT_EQ(FrequencesApproches().Figure("maison"), 3119u);
    EXPECT_EQ(FrequencesApproches().Figure("\x9Cuf"), 517u);
    EXPECT_EQ(FrequencesApproches().Figure("moeuf"), 0u);   // listed with 0: left out
    EXPECT_EQ(FrequencesApproches().Figure("absent"), 0u);  // never listed
    EXPECT_EQ(FrequencesApproches().NombreMots(), 16u);
}

TEST_F(Classement, LaFigureSeLitParClassesDoublantes) {
    const std::pair<std::uint32_t, int> cas[] = {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {4, 3}, {1023, 10}, {1024, 11}};
    for (const auto& [figure, classe] : cas) EXPECT_EQ(ClasseFrequence(figure), classe) << figure;
    EXPECT_EQ(RetardRarete(0), RETARD_RARETE_MAX);
    EXPECT_EQ(RetardRarete(5000), 0);
    EXPECT_EQ(RetardRarete(1023), 0);
    EXPECT_GT(RetardRarete(3), RetardRarete(40));
}

// At a comparable distance the commoner word first; a candidate nearer by
// more than the prior can make up keeps its place; the typed word itself
// stays first, however rare.
TEST_F(Classement, ADistanceComparableLeMotLePlusCourantPasseDevant) {
    struct Cas {
        const char* tape;
        const char* premier;
        const char* suivant;  // a nearer, rarer word that comes after
    };
    const Cas cas[] = {
        {"fourchete", "fourchette", "fourchet\xE9"},
        {"maisson", "maison", "aisson"},
        {"oeuf", "\x9Cuf", "moeuf"},
    };
    for (const Cas& c : cas) {
        const Mots resultat = moteur.RechercherApproches(c.tape);
        ASSERT_FALSE(resultat.empty()) << c.tape;
        EXPECT_EQ(resultat.front(), c.premier) << c.tape;
        EXPECT_LT(Place(resultat, c.premier), Place(resultat, c.suivant)) << c.tape;
    }
    // fourcheté is the nearer, and only the prior puts fourchette first.
    ASSERT_LT(DistanceMots(true, "fourchete", "fourchet\xE9"), DistanceMots(true, "fourchete", "fourchette"));
    // Exact words: rarer words around them do not pass them.
    EXPECT_EQ(moteur.RechercherApproches("cerise").front(), "cerise");
    EXPECT_EQ(moteur.RechercherApproches("genou").front(), "genou");
}

TEST_F(Classement, LePrioriNeRattrapePasUnEcartNet) {
    struct Cas {
        int distanceRare;
        std::uint32_t figureRare;
        int distanceCourant;
        std::uint32_t figureCourant;
        bool courantDevant;
    };
    const Cas cas[] = {
        {2, 0, 5, 43, true},                          // fourcheté against fourchette
        {3, 0, 3 + RETARD_RARETE_MAX - 1, 5000, true},  // just within reach
        {3, 0, 3 + RETARD_RARETE_MAX + 1, 5000, false}, // beyond it
        {4, 2, 4, 3, true},                           // a tie: the commoner
        {1, 100, 20, 100000, false},                  // far apart: distance decides
    };
    for (const Cas& c : cas) {
        const int rare = RangCandidat("mot", "rare", c.distanceRare, c.figureRare);
        const int courant = RangCandidat("mot", "courant", c.distanceCourant, c.figureCourant);
        if (c.courantDevant)
            EXPECT_LE(courant, rare) << c.distanceRare << "/" << c.distanceCourant;
        else
            EXPECT_LT(rare, courant) << c.distanceRare << "/" << c.distanceCourant;
    }
    EXPECT_EQ(RangCandidat("mot", "mot", 0, 0), 0);
}

// A word typed in lower case: the common words before the communes and
// proper names of a comparable distance. Typed with a capital: the reverse.
TEST_F(Classement, LaCasseDuMotTapeDecideEntreNomsPropresEtNomsCommuns) {
    struct Cas {
        const char* tape;
        const char* premier;
        const char* ensuite;
    };
    const Cas cas[] = {
        {"ecole", "\xE9\x63ole", "\xC9\x63ole"},  // École is the nearer
        {"Ecole", "\xC9\x63ole", "\xE9\x63ole"},  // école is the nearer
        {"noel", "no\xEBl", "Wo\xEBl"},
        {"genou", "genou", "Menou"},
        {"cerise", "cerise", "Cerise"},
    };
    ASSERT_LT(DistanceMots(true, "ecole", "\xC9\x63ole"), DistanceMots(true, "ecole", "\xE9\x63ole"));
    ASSERT_LT(DistanceMots(true, "Ecole", "\xE9\x63ole"), DistanceMots(true, "Ecole", "\xC9\x63ole"));
    for (const Cas& c : cas) {
        const Mots resultat = moteur.RechercherApproches(c.tape);
        ASSERT_FALSE(resultat.empty()) << c.tape;
        EXPECT_EQ(resultat.front(), c.premier) << c.tape;
        EXPECT_LT(Place(resultat, c.premier), Place(resultat, c.ensuite)) << c.tape;
    }
    // No capitalised word before the first lower-case one for "noel".
    const Mots noel = moteur.RechercherApproches("noel");
    const auto premierCommun = std::find_if(noel.begin(), noel.end(), [](const std::string& m) {
        return !m.empty() && m[0] >= 'a' && m[0] <= 'z';
    });
    ASSERT_NE(premierCommun, noel.end());
    EXPECT_EQ(premierCommun, noel.begin());
    EXPECT_TRUE(CassesOpposees("noel", "Wo\xEBl"));
    EXPECT_TRUE(CassesOpposees("Noel", "no\xEBl"));
    EXPECT_FALSE(CassesOpposees("noel", "no\xEBl"));
    EXPECT_FALSE(CassesOpposees("-aille", "maille"));  // no letter first: lower case
}

TEST_F(Classement, SansLexiqueNiClassementNiPriori) {
    const MoteurApproches sansLexique(nullptr);
    // Every candidate at distance 0, in byte order: capitals first.
    EXPECT_EQ(sansLexique.RechercherApproches("genou"), (Mots{"Menou", "genou", "guenon"}));
}
