#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/donnees/Flexions.h"
#include "tools/donnees/SynonymesParSens.h"
#include "tools/donnees/Thesaurus.h"

namespace {

// A made-up thesaurus in the shape of thes_fr.dat: one long group for
// "heureux" in which the lists of two meanings follow each other, the
// entries of some of its words, and a plural among "vieux"'s synonyms.
const char* const Fichier =
    "ISO8859-1\n"
    "heureux|1\n(Adjectif Nom)|aise|facilit\xE9|latrines|content|ravi|joyeux|gai|heureuse|b\xE9" "at\n"
    "aise|1\n(Nom)|facilit\xE9|latrines\n"
    "facilit\xE9|1\n(Nom)|aise\n"
    "latrines|1\n(Nom)|aise\n"
    "content|1\n(Adjectif)|ravi|joyeux|gai\n"
    "ravi|1\n(Adjectif)|content\n"
    "joyeux|1\n(Adjectif)|gai|content\n"
    "b\xE9" "at|1\n(Adjectif)|ravi\n"
    "vieux|1\n(Adjectif)|ancien|anciens|antique|vieille\n"
    "ancien|1\n(Adjectif)|antique\n"
    "feu|2\n(Nom)|flamme|lueur|flammes\n(Nom)|ardeur|passion\n"
    "flamme|1\n(Nom)|lueur\n";

FormeFlechie Forme(const char* forme) {
    FormeFlechie f;
    f.forme = forme;
    return f;
}

TableFlexions Flexions() {
    TableFlexions table;
    table.AjouterForme("heureux", "ADJECTIF", Forme("heureuse"));
    table.AjouterForme("ancien", "ADJECTIF", Forme("anciens"));
    table.AjouterForme("vieux", "ADJECTIF", Forme("vieille"));
    table.AjouterForme("flamme", "NOM", Forme("flammes"));
    for (const char* lemme : {"aise", "facilit\xE9", "latrines", "content", "ravi", "joyeux", "gai", "antique"})
        table.AjouterForme(lemme, "NOM", Forme(lemme));
    return table;
}

const EntreeThesaurus* Entree(const std::vector<EntreeThesaurus>& entrees, const std::string& mot) {
    for (const EntreeThesaurus& entree : entrees)
        if (entree.mot == mot) return &entree;
    return nullptr;
}

}  // namespace

TEST(SynonymesParSens, UnGroupeLongCoupeParSensAvecSaGloseEtSaCategorie) {
    std::vector<EntreeThesaurus> entrees;
    ASSERT_TRUE(LireThesaurus(Fichier, entrees));
    DecouperParSens(entrees, Flexions());
    const EntreeThesaurus* heureux = Entree(entrees, "heureux");
    ASSERT_NE(heureux, nullptr);
    ASSERT_EQ(heureux->groupes.size(), 2u);
    // The toilets are a noun's meaning ("aise"), not the adjective's; "béat",
    // alone between nothing, joins the meaning before it; "heureuse" is the
    // headword's own form.
    EXPECT_EQ(heureux->groupes[0].synonymes, (std::vector<std::string>{"aise", "facilit\xE9", "latrines"}));
    EXPECT_EQ(heureux->groupes[0].categories, (std::vector<std::string>{"NOM"}));
    EXPECT_EQ(heureux->groupes[1].synonymes,
              (std::vector<std::string>{"content", "ravi", "joyeux", "gai", "b\xE9" "at"}));
    EXPECT_EQ(heureux->groupes[1].categories, (std::vector<std::string>{"ADJECTIF"}));
    EXPECT_EQ(TexteSynonymes(heureux->groupes),
              "(aise) facilit\xE9, latrines\n(content) ravi, joyeux, gai, b\xE9" "at");
    // A plural of a listed synonym and a form of the headword go; a group
    // that is one meaning stays as the thesaurus gives it, without gloss.
    const EntreeThesaurus* vieux = Entree(entrees, "vieux");
    ASSERT_NE(vieux, nullptr);
    ASSERT_EQ(vieux->groupes.size(), 1u);
    EXPECT_EQ(TexteSynonymes(vieux->groupes), "ancien, antique");
    // Two groups of the thesaurus's own: both glossed, like cut meanings.
    const EntreeThesaurus* feu = Entree(entrees, "feu");
    ASSERT_NE(feu, nullptr);
    EXPECT_EQ(TexteSynonymes(feu->groupes), "(flamme) lueur\n(ardeur) passion");
}

TEST(SynonymesParSens, FormesFlechiesRetirees) {
    const TableFlexions table = Flexions();
    EXPECT_EQ(SansFormesFlechies({"ancien", "anciens", "antique"}, {"vieux", "ancien", "antique"}, table),
              (std::vector<std::string>{"ancien", "antique"}));
    // A form that is a word of its own stays.
    EXPECT_EQ(SansFormesFlechies({"content", "gai"}, {"content", "gai"}, table),
              (std::vector<std::string>{"content", "gai"}));
}
