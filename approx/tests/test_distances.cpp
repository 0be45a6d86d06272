#include <gtest/gtest.h>

#include <string>

#include "approx/DistancesMots.h"
#include "approx/ReglesPhonetiques.h"

namespace {
struct Paire {
    const char* a;
    const char* b;
    int attendu;
};

class Distances : public testing::Test {
protected:
    // A small rule set: every lower-case letter for itself, and a few sounds.
    static void SetUpTestSuite() {
        std::string regles = "ph:F\nf:F\nt:T\nh:NUL\no:O\nau:O\neau:O\nk:K\nc:K\nqu:K\n";
        for (char c = 'a'; c <= 'z'; ++c)
            if (std::string("fhkoqt").find(c) == std::string::npos) {
                const char nom = static_cast<char>(c - 32);
                regles += std::string(1, c) + ":" + std::string(1, nom) + "\n";
            }
        // The alphabet's A..Z names that are no phonemes are dropped: W, H, Q, X, C...
        InstallerRegles(regles);
    }
};
}  // namespace

TEST_F(Distances, Positionnelle) {
    const Paire cas[] = {{"maison", "maisons", 3}, {"Maison", "maison", 2}, {"\xE9t\xE9", "ete", 4},
                         {"E", "\xE9", 1},         {"abc", "", 9},          {"", "", 0},
                         {"ab", "ba", 16},         {"amaison", "maison", 3 + 8 * 6}};
    for (const Paire& p : cas) EXPECT_EQ(DistancePositionnelle(p.a, p.b), p.attendu) << p.a << "/" << p.b;
}

TEST_F(Distances, CoutsDePositionEtDeSubstitution) {
    EXPECT_EQ(CoutPosition('-', '\''), 1);
    EXPECT_EQ(CoutPosition('a', 'b'), 8);
    EXPECT_EQ(CoutPosition('a', 'a'), 0);
    EXPECT_EQ(CoutPosition('A', 'a'), 2);
    EXPECT_EQ(CoutPosition('\xE9', 'e'), 2);
    EXPECT_EQ(CoutPosition('E', '\xE9'), 1);
    EXPECT_EQ(CoutSubstitution('e', '\xE9'), 2);
    EXPECT_EQ(CoutSubstitution('E', '\xE9'), 2);
    EXPECT_EQ(CoutSubstitution('a', 'u'), 4);
    EXPECT_EQ(CoutSubstitution('a', 's'), 6);
    EXPECT_EQ(CoutSubstitution('y', 'i'), 4);
    EXPECT_EQ(CoutSubstitution('s', 't'), 4);
    EXPECT_EQ(CoutSubstitution('x', 'x'), 0);
}

TEST_F(Distances, SousSuiteCommuneGloutonne) {
    const Paire cas[] = {{"abab", "dadab", 2}, {"abc", "xaxbxc", 3}, {"xyz", "abc", 0},
                         {"", "abc", 0},       {"abc", "", 0},       {"chat", "achat", 4},
                         {"maison", "maisons", 6}};
    for (const Paire& p : cas) EXPECT_EQ(SousSuiteCommune(p.a, p.b), p.attendu) << p.a << "/" << p.b;
    EXPECT_EQ(DistanceSousSuite("abab", "dadab"), 3);
}

TEST_F(Distances, SousSuiteCoupeLesEntreesTropLongues) {
    // 150 bytes against 149: only 98 bytes of each are walked, so the
    // common part found is 98, and nothing is written past the arrays.
    const std::string longue(150, 'a');
    const std::string moinsUn(149, 'a');
    EXPECT_EQ(SousSuiteCommune(longue, moinsUn), 98);
    EXPECT_EQ(DistanceSousSuite(longue, moinsUn), 150 - 98);
    EXPECT_EQ(SousSuiteCommune(std::string(97, 'b') + "a", std::string(200, 'a')), 1);
}

TEST_F(Distances, SousSuiteSimpleEtPonderee) {
    EXPECT_EQ(DistanceSousSuite("chat", "chat"), 0);
    EXPECT_EQ(DistanceSousSuite("chat", "chut"), 1);
    EXPECT_EQ(DistanceSousSuite("chat", "tchat"), 1);
    EXPECT_EQ(DistanceSousSuitePonderee("table", "tabl\xE9"), 2);
    EXPECT_EQ(DistanceSousSuitePonderee("chat", "chut"), 4);
    EXPECT_EQ(DistanceSousSuitePonderee("maison", "maisons"), 4);
    EXPECT_EQ(DistanceSousSuitePonderee("bal", "bol"), 4);
    EXPECT_EQ(DistanceSousSuitePonderee("bal", "bal"), 0);
}

TEST_F(Distances, LaDistancePhonetiqueEstMiseEnCacheParPaire) {
    CachePhonetique().clear();
    EXPECT_EQ(DistancePhonetique("photo", "foto"), 0);
    EXPECT_EQ(DistancePhonetique("bateau", "bato"), 0);
    EXPECT_EQ(DistancePhonetique("bal", "bol"), 3);
    EXPECT_EQ(CachePhonetique().count("bal/bol"), 1u);
    EXPECT_EQ(CachePhonetique().count("foto/photo"), 1u);
    // The stored value is returned whichever word comes first.
    CachePhonetique()["a/b"] = 42;
    EXPECT_EQ(DistancePhonetique("b", "a"), 42);
    EXPECT_EQ(DistancePhonetique("a", "b"), 42);
    EXPECT_EQ(ClePaire("x", "x"), "x/x");
    EXPECT_EQ(ClePaire("\xE9", "z"), "z/\xE9");
}

TEST_F(Distances, DistanceMots) {
    EXPECT_EQ(DistanceMots(false, "maison", "chaussure"), 0);
    EXPECT_EQ(DistanceMots(true, "maison", "maison"), 0);
    EXPECT_LE(DistanceMots(true, "maison", "maisons"), 3);
    EXPECT_GE(DistanceMots(true, "maison", "maisons"), 1);
    // Same sound, spelling far apart by position: the phonetic side wins.
    // photo/foto: phonetic 0 + weighted subsequence 4 * (5 - 3) / 2 = 4.
    EXPECT_EQ(DistanceMots(true, "foto", "photo"), 4);
    EXPECT_EQ(DistancePositionnelle("foto", "photo"), 3 + 8 + 8 + 8 + 8);
    for (const char* autre : {"maisons", "Maison", "mai", "raison", "m"})
        EXPECT_GE(DistanceMots(true, "maison", autre), 1) << autre;
}

TEST_F(Distances, LesTranscriptionsTropLonguesSontCoupeesA99Codes) {
    // 300 a's transcribe to 300 A codes, kept to 99: phonetic 3 * (99 - 0);
    // weighted subsequence 4 * (300 - 0) / 2; positional 3 * 290 + 8 * 10.
    CachePhonetique().clear();
    const std::string a(300, 'a');
    const std::string b(10, 'b');
    EXPECT_EQ(DistancePhonetique(a, b), 297);
    EXPECT_EQ(DistanceMots(true, a, b), 297 + 600);
}
