#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/script/tests/SessionScript.h"

// Vocalia's own definitions in the real dictionary, as the headless main
// window shows them: the modern words and the Littré's lost names take ours,
// today's meaning opens a word the Littré defines as in 1877, and a word the
// table does not name keeps the Littré's article alone. UTF-8.
namespace {

const char* const Etiquette = "\xE2\x80\x94 d\xC3\xA9" "finition de Vocalia";

// The definition pane of each "montrer", in order.
std::vector<std::string> Panneaux(const std::string& sortie) {
    std::vector<std::string> panneaux;
    std::size_t debut = 0;
    bool dedans = false;
    while (debut < sortie.size()) {
        std::size_t fin = sortie.find('\n', debut);
        if (fin == std::string::npos) fin = sortie.size();
        std::string ligne = sortie.substr(debut, fin - debut);
        debut = fin + 1;
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        if (ligne == "definition<<") {
            panneaux.emplace_back();
            dedans = true;
        } else if (ligne == ">>") {
            dedans = false;
        } else if (dedans) {
            panneaux.back() += ligne + "\n";
        }
    }
    return panneaux;
}

// With no detail ticked, every line that is neither a sense ("- "), an
// example (tab) nor blank is an article's category line.
std::vector<std::string> LignesDeCategorie(const std::string& panneau) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    while (debut < panneau.size()) {
        const std::size_t fin = panneau.find('\n', debut);
        const std::string ligne = panneau.substr(debut, fin - debut);
        debut = fin == std::string::npos ? panneau.size() : fin + 1;
        if (!ligne.empty() && ligne.rfind("- ", 0) != 0 && ligne[0] != '\t') lignes.push_back(ligne);
    }
    return lignes;
}

std::vector<std::string> Montrer(const std::vector<std::string>& mots) {
    std::string commandes;
    for (const std::string& mot : mots) commandes += "saisir " + mot + "\ncliquer 1013\nmontrer\n";
    return Panneaux(SortieSessionScript(commandes));
}

TEST(ScriptDefinitionsVocalia, LesMotsSansDefinitionMontrentLaNotre) {
    const std::vector<std::string> mots = {"aéroport", "pizza", "amitié", "température"};
    const std::vector<std::string> panneaux = Montrer(mots);
    ASSERT_EQ(panneaux.size(), mots.size());
    for (std::size_t i = 0; i < mots.size(); ++i) {
        SCOPED_TRACE(mots[i]);
        const std::vector<std::string> categories = LignesDeCategorie(panneaux[i]);
        ASSERT_FALSE(categories.empty()) << panneaux[i];
        EXPECT_EQ(categories[0].rfind("NOM ", 0), 0u) << categories[0];
        EXPECT_NE(categories[0].find(Etiquette), std::string::npos) << categories[0];
        EXPECT_NE(panneaux[i].find("\n- "), std::string::npos);
        EXPECT_EQ(panneaux[i].find("Mot postérieur au Littré"), std::string::npos) << panneaux[i];
        EXPECT_EQ(panneaux[i].find("Seuls des synonymes"), std::string::npos) << panneaux[i];
        // No Littré article of the word: every article shown is ours.
        for (const std::string& ligne : categories) EXPECT_NE(ligne.find(Etiquette), std::string::npos) << ligne;
    }
}

TEST(ScriptDefinitionsVocalia, LeSensDAujourdhuiPrecedeLArticleDuLittre) {
    const std::vector<std::string> panneaux = Montrer({"camion", "maison"});
    ASSERT_EQ(panneaux.size(), 2u);
    const std::vector<std::string> camion = LignesDeCategorie(panneaux[0]);
    ASSERT_GE(camion.size(), 2u) << panneaux[0];
    EXPECT_EQ(camion[0].rfind("NOM masculin ", 0), 0u) << camion[0];
    EXPECT_NE(camion[0].find(Etiquette), std::string::npos) << camion[0];
    // The Littré's articles follow, with their pronunciation and their 1877 senses.
    for (std::size_t i = 1; i < camion.size(); ++i) EXPECT_EQ(camion[i].find(Etiquette), std::string::npos);
    EXPECT_NE(camion[1].find("(ka-mi-on)"), std::string::npos) << camion[1];
    const std::size_t littre = panneaux[0].find(camion[1]);
    EXPECT_GT(panneaux[0].find("- Épingle très petite.", littre), littre);
    EXPECT_EQ(panneaux[0].substr(0, littre).find("Épingle"), std::string::npos);

    const std::vector<std::string> maison = LignesDeCategorie(panneaux[1]);
    ASSERT_EQ(maison.size(), 1u) << panneaux[1];
    EXPECT_EQ(maison[0], "NOM féminin (mê-zon) ");
    EXPECT_EQ(panneaux[1].find("Vocalia"), std::string::npos);
    EXPECT_EQ(panneaux[1].rfind("NOM féminin (mê-zon) \n\n- Bâtiment servant de logis.\n", 0), 0u);
}

}  // namespace
