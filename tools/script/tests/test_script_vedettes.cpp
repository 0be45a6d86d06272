// The real dictionary as a reader meets it: a word opens its own article, an
// inflected form the headword a reader means, a homograph its common reading.
// The script's text is UTF-8.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/script/tests/SessionScript.h"

namespace {

struct Vue {
    std::string motChoisi;
    std::string premiereLigne;  // of the definition
    std::string definition;
};

// One view per word, in order.
std::vector<Vue> Vues(const std::vector<std::string>& mots) {
    std::string commandes;
    for (const std::string& mot : mots) commandes += "saisir " + mot + "\ncliquer 1013\nmontrer\n";
    std::stringstream flux(SortieSessionScript(commandes));
    std::vector<Vue> vues;
    bool dansDefinition = false;
    for (std::string l; std::getline(flux, l);) {
        if (l.rfind("liste_type=", 0) == 0) {
            vues.emplace_back();
            dansDefinition = false;
        } else if (vues.empty()) {
            continue;
        } else if (l.rfind("mot_choisi=", 0) == 0) {
            vues.back().motChoisi = l.substr(11);
        } else if (l == "definition<<") {
            dansDefinition = true;
            if (std::getline(flux, l)) vues.back().premiereLigne = l, vues.back().definition = l + "\n";
        } else if (l == ">>") {
            dansDefinition = false;
        } else if (dansDefinition) {
            vues.back().definition += l + "\n";
        }
    }
    return vues;
}

bool CommencePar(const std::string& texte, const std::string& debut) { return texte.rfind(debut, 0) == 0; }

}  // namespace

// Words whose article the Debian edition of the Littré lost, and forms of
// several headwords: each reaches the one a reader means.
TEST(ScriptVedettes, ChaqueMotOuvreLArticleQuIlVeut) {
    struct Cas {
        const char* saisi;
        const char* vedette;
        const char* debut;  // of the first category line, "" for any
    } const cas[] = {
        {"bl\xC3\xA2me", "bl\xC3\xA2me", "NOM masculin"},
        {"r\xC3\xA8gle", "r\xC3\xA8gle", "NOM f\xC3\xA9minin"},
        {"venons", "venir", "VERBE"},
        {"\xC3\xA9tais", "\xC3\xAAtre", "VERBE"},
        {"bien", "bien", "ADVERBE"},
    };
    std::vector<std::string> mots;
    for (const Cas& c : cas) mots.push_back(c.saisi);
    const std::vector<Vue> vues = Vues(mots);
    ASSERT_EQ(vues.size(), std::size(cas));
    for (std::size_t k = 0; k < vues.size(); ++k) {
        SCOPED_TRACE(cas[k].saisi);
        EXPECT_EQ(vues[k].motChoisi, cas[k].vedette);
        EXPECT_TRUE(CommencePar(vues[k].premiereLigne, cas[k].debut)) << vues[k].premiereLigne;
    }
    // The lost word's article names the verb it is also a form of.
    EXPECT_NE(vues[0].definition.find("Voir aussi : bl\xC3\xA2mer."), std::string::npos) << vues[0].definition;
}

// The first line names the common reading, and nothing but the line.
TEST(ScriptVedettes, LaPremiereLigneNommeLaLectureCourante) {
    const std::vector<Vue> vues = Vues({"mal", "tard", "gagnant"});
    ASSERT_EQ(vues.size(), 3u);
    EXPECT_FALSE(CommencePar(vues[0].premiereLigne, "ADJECTIF")) << vues[0].premiereLigne;
    EXPECT_TRUE(CommencePar(vues[1].premiereLigne, "ADVERBE")) << vues[1].premiereLigne;
    EXPECT_EQ(vues[1].premiereLigne.find("de temps"), std::string::npos) << vues[1].premiereLigne;
    // A participle the edition lost the article of still leads to its verb.
    EXPECT_EQ(vues[2].motChoisi, "gagner");
}
