#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "text/OrdreFrancais.h"
#include "text/tests/Cp1252Essai.h"

namespace {

struct CasOrdre {
    const char* a;
    const char* b;
    bool superieur;
};

TEST(MotSuperieur, Cas) {
    const CasOrdre cas[] = {
        {"abc", "abc", false},
        {"abd", "abc", true},
        {"abc", "abd", false},
        {"ab", "abc", false},
        {"abc", "ab", true},
        {"", "", false},
        {"a", "", true},
        {"", "a", false},
        {"côte", "cote", true},
        {"Côte", "cote", false},
        {"côte", "coté", true},   // o against ô decides first
        {"coté", "côte", false},
        {"Elan", "ela", true},
        {"elan", "Elan", true},
        {"élan", "elan", true},
        {"elans", "élan", true},   // base letters first, everywhere
        {"Zèbre", "abeille", true},
        {"être", "etre", true},
        {"étuve", "être", true},
        {"ça", "cb", false},
        {"ñ", "n", true},
        {"ñ", "o", false},
        // A ligature sorts as its two letters, just after them.
        {"cœur", "coeur", true},
        {"coeur", "cœur", false},
        {"coeurs", "cœur", true},
        {"cœur", "coeurs", false},
        {"cœur", "coda", true},
        {"cœur", "cofre", false},
        {"œil", "a", true},
        {"œil", "oeil", true},
        {"Œil", "oeil", false},
        {"œuvre", "ouvre", false},
        {"ægide", "aegide", true},
        {"ægide", "afin", false},
        {"Æsope", "aesope", false},
        {"cæcum", "caecum", true},
        {"cæcum", "caduc", true},
    };
    for (const auto& c : cas)
        EXPECT_EQ(MotSuperieur(W(c.a), W(c.b)), c.superieur) << c.a << " > " << c.b;
}

// Words whose bytes fall outside the letter tables; they must still sort in a
// strict weak order, or a sort of the word list could leave its bounds and a
// binary search miss words.
const std::vector<std::string> MotsVaries = {
    "cœur", "c'est", "cobaye", "c-a", "c a", "c9", "c0", "Côte", "côte", "cote", "coté", "Cote",
    "cañon", "canon", "Cañon", "cÁ", "cà", "ca", "cA", "cb", "cæ", "c!", "c", "", "-able", "able",
    "Able", "âble", "1er", "2a", "10", "°C", "e", "é", "E", "É", "œuvre", "ouvre", "oeuvre", "ÿ", "z",
};

TEST(MotSuperieur, OrdreStrictEtTransitif) {
    std::vector<std::string> mots;
    for (const auto& m : MotsVaries) mots.push_back(W(m.c_str()));
    for (const auto& a : mots) {
        EXPECT_FALSE(MotSuperieur(a, a)) << a;
        for (const auto& b : mots) {
            if (a != b) {
                EXPECT_NE(MotSuperieur(a, b), MotSuperieur(b, a)) << a << " / " << b;
            }
            for (const auto& c : mots) {
                if (MotSuperieur(a, b) && MotSuperieur(b, c)) {
                    EXPECT_TRUE(MotSuperieur(a, c)) << a << " > " << b << " > " << c;
                }
            }
        }
    }
}

TEST(MotSuperieur, ListeTrieeEtRechercheDichotomique) {
    std::vector<std::string> mots;
    for (const auto& m : MotsVaries) mots.push_back(W(m.c_str()));
    const auto avant = [](const std::string& a, const std::string& b) { return MotSuperieur(b, a); };
    std::sort(mots.begin(), mots.end(), avant);
    for (const auto& m : mots) {
        const auto trouve = std::lower_bound(mots.begin(), mots.end(), m, avant);
        ASSERT_NE(trouve, mots.end());
        EXPECT_TRUE(MotsEgaux(*trouve, m)) << m;
    }
    const std::vector<std::string> attendu = {W("ela"), W("Elan"), W("elan"), W("élan"), W("elans")};
    std::vector<std::string> melange = {attendu[4], attendu[2], attendu[0], attendu[3], attendu[1]};
    std::sort(melange.begin(), melange.end(), avant);
    EXPECT_EQ(melange, attendu);
}

TEST(MotsEgaux, OctetPourOctet) {
    EXPECT_TRUE(MotsEgaux("", ""));
    EXPECT_TRUE(MotsEgaux("mot", "mot"));
    EXPECT_FALSE(MotsEgaux("mot", "mots"));
    EXPECT_FALSE(MotsEgaux("mots", "mot"));
    EXPECT_FALSE(MotsEgaux("Mot", "mot"));
    EXPECT_FALSE(MotsEgaux(W("é"), "e"));
    EXPECT_TRUE(MotsEgaux(std::string("ab"), std::string("ab")));
}

TEST(EstCapitalise, Cas) {
    const std::pair<const char*, bool> cas[] = {
        {"", true}, {"Paris", true}, {"P", true}, {"Évreux", true}, {"paris", false},
        {"PAris", false}, {"Saint-Étienne", false}, {"1er", false}, {"Ñandu", false},
    };
    for (const auto& [mot, attendu] : cas) EXPECT_EQ(EstCapitalise(W(mot)), attendu) << mot;
}

TEST(MotAutourDe, Positions) {
    const std::string texte = "un chat-noir";
    const std::pair<std::size_t, const char*> cas[] = {
        {0, "un"}, {1, "un"}, {2, "un"}, {3, "chat"}, {5, "chat"}, {7, "chat"},
        {8, "noir"}, {11, "noir"}, {12, "noir"}, {500, "noir"},
    };
    for (const auto& [pos, attendu] : cas) EXPECT_EQ(MotAutourDe(texte, pos), attendu) << pos;
    // The ligatures are letters: "œil-de-bœuf" holds "œil" and "bœuf".
    EXPECT_EQ(MotAutourDe(W("un œil-de-bœuf"), 3), W("œil"));
    EXPECT_EQ(MotAutourDe(W("un œil-de-bœuf"), 4), W("œil"));
    EXPECT_EQ(MotAutourDe(W("un œil-de-bœuf"), 11), W("bœuf"));
    EXPECT_EQ(MotAutourDe(W("l'Æsope"), 3), W("Æsope"));
    EXPECT_EQ(MotAutourDe(W("l'élève, ñu"), 4), W("élève"));
    EXPECT_EQ(MotAutourDe(W("l'élève, ñu"), 10), "u");
    EXPECT_EQ(MotAutourDe(" - ", 1), "");
    EXPECT_EQ(MotAutourDe("", 0), "");
    EXPECT_EQ(MotAutourDe(std::string("ab\0cd", 5), 4), "ab");
}

}  // namespace
