#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/donnees/NomsLittre.h"

TEST(AnalyserNomIndex, BaseFemininFormeEtNumero) {
    const NomIndexLittre fier = AnalyserNomIndex("FIER, I\xC8RE.3");
    EXPECT_EQ(fier.base, "FIER");
    EXPECT_EQ(fier.finFeminin, "I\xC8RE");
    EXPECT_EQ(fier.cle, "FIER");
    const NomIndexLittre envi = AnalyserNomIndex("ENVI (\xC0 L').1.1");
    EXPECT_EQ(envi.base, "ENVI");
    EXPECT_EQ(envi.parenthese, "\xC0 L'");
    // The final period is no homograph number, and no part of the word either.
    const NomIndexLittre point = AnalyserNomIndex("S.");
    EXPECT_EQ(point.base, "S");
}

TEST(FemininDe, LaFinRemplaceLaFinDuMasculin) {
    struct Cas {
        const char* masculin;
        const char* fin;
        const char* feminin;
    } const cas[] = {
        {"FR\xC9MISSANT", "ANTE", "fr\xE9missante"}, {"FIER", "I\xC8RE", "fi\xE8re"},
        {"RIGOUREUX", "EUSE", "rigoureuse"},          {"AGAC\xC9", "\xC9\x45", "agac\xE9\x65"},
        {"CONSUBSTANTIEL", "ELLE", "consubstantielle"}, {"CHAT", "CHATTE", "chatte"},
        {"ANTICHR\xC9TIEN", "IENNE", "antichr\xE9tienne"}, {"BLEU", "", ""},
    };
    for (const Cas& c : cas) EXPECT_EQ(FemininDe(c.masculin, c.fin), c.feminin) << c.masculin;
}

namespace {
EntreeStarDict Entree(const char* mot, std::uint32_t decalage) { return {mot, decalage, 10}; }
}  // namespace

TEST(EntreesLittre, UnArticleParEntreeAvecLeNomQueDitLOrdreDuFichier) {
    // UTF-8 names, as the index stores them; the index lists them in its own
    // order, the file keeps the Littré's. "A", "F", "Z" point to B's article
    // by mistake; only "B" fits between AZYME and BABA.
    const std::vector<EntreeStarDict> index = {
        Entree("A", 30),           Entree("AZYME", 20),  Entree("B", 30),
        Entree("BABA", 40),        Entree("F", 30),      Entree("Z", 30),
        Entree("BOUCHETON (\xC3\x80)", 50), Entree("\xC3\x80 BOUCHETON", 50),
        Entree("BOUCHETON", 50),   Entree("FREMISSANT, ANTE", 60),
        Entree("FR\xC3\x89MISSANT, ANTE", 60), Entree("FR\xC3\x89MISSANT", 60),
        Entree("EXTASIER (S')", 55), Entree("S'EXTASIER", 55), Entree("EXTASIER", 55),
        Entree("FIER.1", 70), Entree("FIER", 70), Entree("FIER, I\xC3\x88RE.3", 80),
    };
    const std::vector<EntreeLittre> entrees = EntreesLittre(index);
    ASSERT_EQ(entrees.size(), 8u);
    const char* attendus[] = {"azyme", "b", "baba", "boucheton", "extasier",
                              "fr\xE9missant", "fier", "fier"};
    for (std::size_t i = 0; i < entrees.size(); ++i) EXPECT_EQ(entrees[i].mot, attendus[i]) << i;
    EXPECT_EQ(entrees[3].forme, "\xE0 boucheton");
    EXPECT_EQ(entrees[4].forme, "s'extasier");
    EXPECT_EQ(entrees[5].feminin, "fr\xE9missante");
    EXPECT_EQ(entrees[6].feminin, "");
    EXPECT_EQ(entrees[7].feminin, "fi\xE8re");
    EXPECT_EQ(entrees[7].decalage, 80u);
}

// A made-up edition that lost two articles: RÈGLE (under two spellings) and
// BLÂME point at FOIRE's and ORNITHOGALE's. The other names out of the file
// order are the entry's own: a pronominal form (S'ÉCRIER) and another
// spelling (ROIDEMENT).
TEST(NomsPerdus, LesNomsQuiPointentSurLArticleDUnAutreMot) {
    const std::vector<EntreeStarDict> index = {
        Entree("\xC3\x89\x43RIER", 10), Entree("\xC3\x89\x43RIER (S')", 10), Entree("S'\xC3\x89\x43RIER", 10),
        Entree("FOIRE", 20),            Entree("REGLE", 20),                 Entree("R\xC3\x88GLE", 20),
        Entree("BL\xC3\x82ME", 30),     Entree("ORNITHOGALE", 30),
        Entree("RAIDEMENT", 40),        Entree("ROIDEMENT", 40),
        Entree("RAILLER", 50),
    };
    const NomsPerdusLittre perdus = NomsPerdus(index);
    EXPECT_EQ(perdus.noms, 3u);
    ASSERT_EQ(perdus.mots.size(), 2u);
    EXPECT_EQ(perdus.mots[0].mot, "r\xE8gle");
    EXPECT_EQ(perdus.mots[0].article, "foire");
    EXPECT_EQ(perdus.mots[1].mot, "bl\xE2me");
    EXPECT_EQ(perdus.mots[1].article, "ornithogale");
    // The entries keep the names the order gives them.
    const std::vector<EntreeLittre> entrees = EntreesLittre(index);
    ASSERT_EQ(entrees.size(), 5u);
    EXPECT_EQ(entrees[1].mot, "foire");
    EXPECT_EQ(entrees[2].mot, "ornithogale");
    EXPECT_EQ(entrees[3].mot, "raidement");
}

// The letters of the first fixture are lost names too: single letters are
// nobody's other spelling.
TEST(NomsPerdus, LesLettresNeSontLesVariantesDAucunMot) {
    const std::vector<EntreeStarDict> index = {Entree("AZYME", 20), Entree("A", 30), Entree("B", 30),
                                               Entree("F", 30),     Entree("BABA", 40)};
    const NomsPerdusLittre perdus = NomsPerdus(index);
    EXPECT_EQ(perdus.noms, 2u);  // A and F; B is the entry's own
    ASSERT_EQ(perdus.mots.size(), 2u);
    EXPECT_EQ(perdus.mots[0].mot, "a");
    EXPECT_EQ(perdus.mots[1].mot, "f");
    EXPECT_EQ(perdus.mots[1].article, "b");
}
