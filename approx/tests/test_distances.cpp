#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

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

namespace {
// The search as it is described, step by step: a depth-first walk over the
// positions of A that abandons a start when a chain reaches the end of A or
// of B. Exponential in the number of shared letters, so only fed short pairs.
int SousSuiteCommuneParLeDetail(const std::string& texteA, const std::string& texteB) {
    const int la = std::min(static_cast<int>(texteA.size()), static_cast<int>(LONGUEUR_MAX_SOUS_SUITE));
    const int lb = std::min(static_cast<int>(texteB.size()), static_cast<int>(LONGUEUR_MAX_SOUS_SUITE));
    auto A = [&texteA](int i) { return texteA[i - 1]; };
    auto B = [&texteB](int j) { return texteB[j - 1]; };
    int I[100];
    int J[100];
    int S = 0;
    J[0] = 0;
    for (int s = 0; s < la; ++s) {
        int k = 1;
        I[1] = s + 1;
        J[1] = 1;
        for (;;) {
            if (I[k] > la || J[k] > lb) break;
            int trouve = 0;
            for (int j = J[k - 1] + 1; j <= lb; ++j) {
                if (B(j) == A(I[k])) {
                    trouve = j;
                    break;
                }
            }
            if (trouve != 0) {
                J[k] = trouve;
                S = std::max(S, k);
                ++k;
                I[k] = I[k - 1] + 1;
                J[k] = trouve + 1;
                continue;
            }
            ++I[k];
            if (I[k] <= la) continue;
            --k;
            if (k == 0) return S;
            ++I[k];
        }
    }
    return S;
}

std::string MotAuHasard(std::mt19937& hasard, const std::string& alphabet, int longueurMax) {
    std::uniform_int_distribution<int> longueur(0, longueurMax);
    std::uniform_int_distribution<std::size_t> lettre(0, alphabet.size() - 1);
    std::string mot(static_cast<std::size_t>(longueur(hasard)), ' ');
    for (char& c : mot) c = alphabet[lettre(hasard)];
    return mot;
}
}  // namespace

TEST_F(Distances, SousSuiteCommuneRendCeQueDonneLaRechercheParLeDetail) {
    std::mt19937 hasard(13);
    // Few letters make long shared runs, where the walk backtracks most.
    for (const std::string alphabet : {"ab", "abc", "aab-", "eaiu\xE9st", "abcdefghijklmnopqrstuvwxyz"}) {
        for (int essai = 0; essai < 3000; ++essai) {
            const std::string a = MotAuHasard(hasard, alphabet, 16);
            const std::string b = MotAuHasard(hasard, alphabet, 16);
            ASSERT_EQ(SousSuiteCommune(a, b), SousSuiteCommuneParLeDetail(a, b)) << a << "/" << b;
        }
    }
}

TEST_F(Distances, SousSuiteCommuneSurLesPairesQuiFontRevenirEnArriere) {
    // Shared runs whose last bytes never match: every chain is walked back.
    const std::vector<std::pair<std::string, std::string>> cas = {
        {std::string(18, 'a') + "z", std::string(17, 'a') + "y"},
        {std::string(17, 'a') + "z", std::string(18, 'a') + "y"},
        {"abababababababababz", "babababababababay"},
        {"Saint-Remy-en-Bouzx", "Saint-Remy-en-Bouzy"},
        {"Saint-Genest-et-Isx", "Saint-Genest-Isy"},
        {"aaaaaaaaaaaaaaaaaa", "aaaaaaaaaaaaaaaaa"},
        {"zaaaaaaaaaaaaaaaaa", "aaaaaaaaaaaaaaaaay"},
        {std::string(120, 'x'), std::string(110, 'x')},
        {std::string(99, 'q') + "r", std::string(130, 'r')},
    };
    for (const auto& [a, b] : cas) {
        EXPECT_EQ(SousSuiteCommune(a, b), SousSuiteCommuneParLeDetail(a, b)) << a << "/" << b;
        EXPECT_EQ(SousSuiteCommune(b, a), SousSuiteCommuneParLeDetail(b, a)) << b << "/" << a;
    }
}

TEST_F(Distances, SousSuiteCommuneDeMotsLongsSansFinCommune) {
    // 60 shared letters and ends that never match: the walk described above
    // would try some 2^60 chains; the result is the whole shared run.
    const std::string a = std::string(60, 'a') + "z";
    const std::string b = std::string(59, 'a') + "y";
    EXPECT_EQ(SousSuiteCommune(a, b), 59);
    EXPECT_EQ(SousSuiteCommune(b, a), 59);
    EXPECT_EQ(DistanceSousSuite(a, b), 61 - 59);
    // A misspelt commune name against the commune: the first chain is the
    // 44-byte common beginning, and no chain can be longer.
    const std::string nom = "Saint-Remy-en-Bouzemont-Saint-Genest-et-Issoxx";
    const std::string commune = "Saint-Remy-en-Bouzemont-Saint-Genest-et-Isson";
    EXPECT_EQ(SousSuiteCommune(nom, commune), 44);
    EXPECT_EQ(DistanceSousSuitePonderee(nom, commune), 4 * (46 - 44));
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

TEST_F(Distances, LeCachePhonetiqueResteBorne) {
    CachePhonetique().clear();
    for (std::size_t i = 0; i < PAIRES_MAX_CACHE_PHONETIQUE; ++i)
        CachePhonetique()["plein" + std::to_string(i) + "/z"] = 1;
    // Full: the next new pair empties it first, then is kept alone.
    EXPECT_EQ(DistancePhonetique("bal", "bol"), 3);
    EXPECT_EQ(CachePhonetique().size(), 1u);
    EXPECT_EQ(CachePhonetique().count("bal/bol"), 1u);
    // A pair already there is answered without touching the rest.
    EXPECT_EQ(DistancePhonetique("bol", "bal"), 3);
    EXPECT_EQ(CachePhonetique().size(), 1u);
    CachePhonetique().clear();
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

// A ligature is its two letters to every measure: a word typed without it
// is at distance 0 from the word written with it, and at the distance of
// the written-out word from any other.
TEST_F(Distances, LesLigaturesComptentPourLeursDeuxLettres) {
    const std::pair<const char*, const char*> memes[] = {
        {"oeuf", "\x9Cuf"},     {"coeur", "c\x9Cur"},     {"foetus", "f\x9Ctus"},
        {"OEUVRE", "\x8CUVRE"}, {"caecum", "c\xE6" "cum"}, {"\x9Cil", "\x9Cil"},
    };
    for (const auto& [ecrit, ligature] : memes) {
        EXPECT_EQ(DistanceMots(true, ecrit, ligature), 0) << ecrit;
        EXPECT_EQ(DistanceMots(true, ligature, ecrit), 0) << ecrit;
        EXPECT_EQ(DistancePositionnelle(ecrit, ligature), 0) << ecrit;
        EXPECT_EQ(DistanceSousSuitePonderee(ecrit, ligature), 0) << ecrit;
        EXPECT_EQ(DistancePhonetique(ecrit, ligature), 0) << ecrit;
    }
    struct Cas {
        const char* tape;
        const char* ligature;
        const char* ecrit;  // the same word written out
    };
    const Cas autres[] = {
        {"boeufs", "b\x9Cuf", "boeuf"},   {"neuf", "\x9Cuf", "oeuf"},   {"soeur", "s\x9Curs", "soeurs"},
        {"oeuvre", "man\x9Cuvre", "manoeuvre"}, {"ecoeure", "\xE9\x63\x9Cur\xE9", "\xE9\x63oeur\xE9"},
    };
    for (const Cas& c : autres) {
        EXPECT_EQ(DistanceMots(true, c.tape, c.ligature), DistanceMots(true, c.tape, c.ecrit)) << c.tape;
        EXPECT_EQ(DistancePositionnelle(c.tape, c.ligature), DistancePositionnelle(c.tape, c.ecrit)) << c.tape;
        EXPECT_GE(DistanceMots(true, c.tape, c.ligature), 1) << c.tape;
    }
    // Before, "œuf" was three bytes against four: 3 for the length and every
    // position shifted.
    EXPECT_EQ(DistancePositionnelle("oeuf", "neuf"), 8);
}

// The bounded form agrees with the full one up to its bound, and says
// "beyond" past it, transcribing only where the sound could change the answer.
TEST_F(Distances, LaDistanceBorneeRendLaMemeValeurJusquASaBorne) {
    const std::pair<const char*, const char*> paires[] = {
        {"maison", "maisons"}, {"foto", "photo"},         {"bato", "bateau"}, {"maison", "raison"},
        {"abc", "xyzxyzxyzxyz"}, {"oeuf", "\x9Cuf"},     {"chat", "achat"},  {"", "abcdefghijklmnop"},
    };
    for (const auto& [q, c] : paires) {
        const int complete = DistanceMots(true, q, c);
        for (int borne : {0, 3, 4, 10, 35}) {
            const int bornee = DistanceMotsJusqua(true, q, c, borne);
            if (complete <= borne)
                EXPECT_EQ(bornee, complete) << q << "/" << c << " " << borne;
            else
                EXPECT_GT(bornee, borne) << q << "/" << c << " " << borne;
        }
        EXPECT_EQ(DistanceMotsJusqua(false, q, c, 35), 0);
    }
    // Far apart in every way (subsequence side 4 * 20 / 2, positional
    // 3 * 17 + 3 * 8): no transcription at all.
    CachePhonetique().clear();
    EXPECT_GT(DistanceMotsJusqua(true, "abc", "xyzxyzxyzxyzxyzxyzxy", 35), 35);
    EXPECT_TRUE(CachePhonetique().empty());
}
