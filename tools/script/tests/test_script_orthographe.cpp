#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/script/tests/SessionScript.h"

// The real dictionary as a reader meets it, through the headless main window:
// today's spellings, the grammatical words' forms, locutions' first words and
// the modern words the Littré lacks. Script input and output are UTF-8.
namespace {

using Vue = VueScript;

std::vector<Vue> Vues(const std::string& sortie) { return VuesScript(sortie); }

struct Cas {
    const char* saisi;
    const char* motChoisi;
    const char* debut;    // the definition pane's first characters
    const char* contenu;  // and a text found further on
};

TEST(ScriptDonneesReelles, SpellingsFormsLocutionsAndModernWords) {
    const Cas cas[] = {
        {"cœur", "cœur", "NOM masculin", "Les battements du cœur."},
        {"coeur", "cœur", "NOM masculin", "Organe conoïde, creux et musculaire"},
        {"coeurs", "cœur", "NOM masculin", ""},
        {"siège", "siège", "NOM masculin", "Meuble fait pour s'asseoir."},
        {"siége", "siège", "NOM masculin", "Sièges de paille"},
        {"poëme", "poème", "NOM masculin", "Ouvrage en vers."},
        {"ils", "il", "PRONOM", "troisième personne"},
        {"toutes", "tout", "", "totalité"},
        {"lesquelles", "lequel", "", ""},
        {"parce", "parce que", "", "Voy. PAR"},
        {"surement", "sûrement", "ADVERBE", ""},
        // A word no source defines, and one our own table is not meant to reach.
        {"baluchithérium", "baluchithérium", "NOM masculin", "Mot postérieur au Littré (1872–1877)"},
    };
    std::string commandes;
    for (const Cas& c : cas) commandes += std::string("saisir ") + c.saisi + "\ncliquer 1013\nmontrer\n";
    // Inflections ticked (1032): the plural of a word no source defines.
    commandes += "cliquer 1032\nsaisir baluchithérium\ncliquer 1013\nmontrer\n";
    const std::vector<Vue> vues = Vues(SortieSessionScript(commandes));
    ASSERT_EQ(vues.size(), std::size(cas) + 1);
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        const Cas& c = cas[i];
        EXPECT_EQ(vues[i].motChoisi, c.motChoisi) << c.saisi;
        EXPECT_EQ(vues[i].definition.rfind(c.debut, 0), 0u) << c.saisi << ": " << vues[i].definition.substr(0, 80);
        EXPECT_NE(vues[i].definition.find(c.contenu), std::string::npos) << c.saisi;
    }
    // No 1877 spelling left in the article's own text.
    EXPECT_EQ(vues[0].definition.find("coeur"), std::string::npos);
    EXPECT_NE(vues.back().definition.find("pluriel : baluchithériums"), std::string::npos);
}

}  // namespace
