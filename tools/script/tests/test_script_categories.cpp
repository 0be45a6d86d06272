// The real dictionary as a reader meets it: the first article of an
// everyday word opens with the category he expects.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The session's output.
std::string Sortie(const std::string& commandes) {
    const fs::path fichier = fs::temp_directory_path() / ("vocalia-categories-" + std::to_string(::getpid()));
    {
        std::ofstream f(fichier);
        f << commandes;
    }
    const std::string ligne = std::string(VOCALIA_SCRIPT) + " < " + fichier.string() + " 2>/dev/null";
    FILE* sortie = ::popen(ligne.c_str(), "r");
    std::string texte;
    if (sortie != nullptr) {
        char tampon[4096];
        std::size_t lus;
        while ((lus = std::fread(tampon, 1, sizeof tampon, sortie)) > 0) texte.append(tampon, lus);
        ::pclose(sortie);
    }
    fs::remove(fichier);
    return texte;
}

// The first line of each definition the session shows.
std::vector<std::string> PremieresLignes(const std::string& commandes) {
    const std::string texte = Sortie(commandes);
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
        const std::string sortie = Sortie(std::string("saisir ") + verbe + "\ncliquer 1013\nmontrer\n");
        EXPECT_NE(sortie.find("conjugaison=1"), std::string::npos) << verbe << "\n" << sortie.substr(0, 300);
    }
}
