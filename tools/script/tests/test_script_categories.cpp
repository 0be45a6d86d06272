// The real dictionary as a reader meets it: the first article of an
// everyday word opens with the category he expects.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/script/tests/SessionScript.h"

namespace {

// The first line of each definition the session shows.
std::vector<std::string> PremieresLignes(const std::string& commandes) {
    const std::string texte = SortieSessionScript(commandes);
    std::vector<std::string> lignes;
    std::stringstream flux(texte);
    for (std::string l; std::getline(flux, l);)
        if (l == "definition<<" && std::getline(flux, l)) lignes.push_back(l);
    return lignes;
}

bool CommencePar(const std::string& texte, const std::string& debut) { return texte.rfind(debut, 0) == 0; }

}  // namespace

TEST(ScriptCategories, LePremierArticleALaCategorieAttendue) {
    struct Cas {
        const char* mot;
        const char* debut;  // of the first article's category line
    } const cas[] = {
        {"pouvoir", "VERBE"},      {"hier", "ADVERBE"},  {"fier", "ADJECTIF"},
        {"beaucoup", "ADVERBE"},   {"tr\xC3\xA8s", "ADVERBE"}, {"cela", "PRONOM"},
        {"chien", "NOM masculin"},
    };
    std::string commandes;
    for (const Cas& c : cas) commandes += std::string("saisir ") + c.mot + "\ncliquer 1013\nmontrer\n";
    const std::vector<std::string> lignes = PremieresLignes(commandes);
    ASSERT_EQ(lignes.size(), std::size(cas));
    for (std::size_t k = 0; k < lignes.size(); ++k)
        EXPECT_TRUE(CommencePar(lignes[k], cas[k].debut)) << cas[k].mot << " : " << lignes[k];
}

// A long remark on pronunciation is a sense of its own, not the category line.
TEST(ScriptCategories, LaLigneDeCategorieResteCourte) {
    const std::vector<std::string> lignes = PremieresLignes("saisir avoir\ncliquer 1013\nmontrer\n");
    ASSERT_EQ(lignes.size(), 1u);
    EXPECT_TRUE(CommencePar(lignes[0], "VERBE")) << lignes[0];
    EXPECT_EQ(lignes[0].find("XVIe"), std::string::npos) << lignes[0];
}

// A verb whose senses include a noun use stays a verb: its conjugation opens.
TEST(ScriptCategories, LesVerbesGardentLeurConjugaison) {
    for (const char* verbe : {"avoir", "savoir", "pouvoir"}) {
        const std::string sortie = SortieSessionScript(std::string("saisir ") + verbe + "\ncliquer 1013\nmontrer\n");
        EXPECT_NE(sortie.find("conjugaison=1"), std::string::npos) << verbe << "\n" << sortie.substr(0, 300);
    }
}
