#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/script/tests/SessionScript.h"

// The Littré's text as a reader meets it in the real dictionary, through the
// headless main window: its ligatures, its long articles read once, the
// thesaurus by meaning, and the references that lead somewhere. Script input
// and output are UTF-8.
namespace {

using Vue = VueScript;

std::vector<Vue> Vues(const std::string& sortie) { return VuesScript(sortie); }

std::vector<Vue> Afficher(const std::vector<std::string>& mots, const std::string& avant = "") {
    std::string commandes = avant;
    for (const std::string& mot : mots) commandes += "saisir " + mot + "\ncliquer 1013\nmontrer\n";
    return Vues(SortieSessionScript(commandes));
}

std::vector<std::string> Lignes(const std::string& texte) {
    std::vector<std::string> lignes;
    for (std::size_t debut = 0; debut < texte.size();) {
        const std::size_t fin = std::min(texte.find('\n', debut), texte.size());
        lignes.push_back(texte.substr(debut, fin - debut));
        debut = fin + 1;
    }
    return lignes;
}

// The position in the pane's own text (Windows-1252, CR LF) of a place in
// the script's UTF-8, LF copy of it.
int PositionDansLePanneau(const std::string& utf8, std::size_t position) {
    int octets = 0;
    for (std::size_t i = 0; i < position; ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if ((c & 0xC0) != 0x80) ++octets;
        if (c == '\n') ++octets;
    }
    return octets;
}

}  // namespace

TEST(ScriptTexteReel, LigaturesDuLittreDansToutSonTexte) {
    const std::vector<Vue> vues = Afficher({"ami", "sœur", "mœurs", "bœuf", "vœu", "nœud"});
    ASSERT_EQ(vues.size(), 6u);
    EXPECT_NE(vues[0].definition.find("Ami de cœur."), std::string::npos);
    for (const Vue& vue : vues) {
        SCOPED_TRACE(vue.motChoisi);
        EXPECT_FALSE(vue.definition.empty());
        for (const char* ancienne : {"coeur", "Coeur", "COEUR", "soeur", "moeurs", "Moeurs", "Oeuvres", "boeuf", "voeu",
                                     "noeud"})
            EXPECT_EQ(vue.definition.find(ancienne), std::string::npos) << ancienne;
    }
}

TEST(ScriptTexteReel, LesLongsArticlesSeLisentUneFois) {
    const std::vector<Vue> vues = Afficher({"manger", "prendre", "mettre", "savoir", "venir", "voir", "aller"});
    ASSERT_EQ(vues.size(), 7u);
    for (const Vue& vue : vues) {
        SCOPED_TRACE(vue.motChoisi);
        // No sense says again what the one before it said, nor its own first
        // sentence twice. ("Fig." heading the citations of two senses apart is no repeat.)
        std::vector<std::string> sens;
        for (const std::string& ligne : Lignes(vue.definition)) {
            if (ligne.rfind("- ", 0) != 0) continue;
            EXPECT_TRUE(sens.empty() || sens.back() != ligne) << ligne;
            sens.push_back(ligne);
            const std::size_t point = ligne.find(". ");
            if (point != std::string::npos && point > 14) {
                EXPECT_EQ(ligne.find(ligne.substr(2, point - 1), point + 1), std::string::npos) << ligne;
            }
        }
        EXPECT_GT(sens.size(), 10u);
    }
    EXPECT_EQ(vues[0].definition.find("mucher"), std::string::npos);
    EXPECT_NE(vues[0].definition.find("- Mâcher et avaler quelque aliment. Manger du pain"), std::string::npos);
    EXPECT_EQ(vues[6].definition.find("réussi.La"), std::string::npos);
}

TEST(ScriptTexteReel, SynonymesParSens) {
    // 1022: the synonyms ticked.
    const std::vector<Vue> vues = Afficher({"heureux", "école", "vieux"}, "cliquer 1022\n");
    ASSERT_EQ(vues.size(), 3u);
    auto synonymes = [](const Vue& vue) {
        const std::size_t debut = vue.definition.find("SYNONYMES:\n");
        return debut == std::string::npos ? std::string() : vue.definition.substr(debut + 11);
    };
    const std::vector<std::string> heureux = Lignes(synonymes(vues[0]));
    ASSERT_GT(heureux.size(), 3u);
    for (const std::string& ligne : heureux) {
        // The toilets belong to the noun "aise", glossed, apart from the happy man's synonyms.
        if (ligne.find("latrines") == std::string::npos) continue;
        EXPECT_EQ(ligne.rfind("(aise) ", 0), 0u) << ligne;
        for (const char* adjectif : {"joyeux", "satisfait", "favorable", "chanceux", "radieux"})
            EXPECT_EQ(ligne.find(adjectif), std::string::npos) << ligne;
    }
    EXPECT_NE(synonymes(vues[1]).find("(établissement) "), std::string::npos) << synonymes(vues[1]);
    // Plurals of listed synonyms are no synonyms of their own.
    for (const char* pluriel : {"immémoriaux", "ancestraux", "anciens,", "antiques"})
        EXPECT_EQ(synonymes(vues[2]).find(pluriel), std::string::npos) << pluriel;
}

TEST(ScriptTexteReel, LesRenvoisMenentQuelquePart) {
    const std::vector<Vue> vues = Afficher({"vieux", "vieille", "corbillot"});
    ASSERT_EQ(vues.size(), 3u);
    EXPECT_NE(vues[0].definition.find("- Voy. VIEIL.\n"), std::string::npos) << vues[0].definition.substr(0, 200);
    EXPECT_NE(vues[0].definition.find("- Qui est avancé en âge."), std::string::npos);
    // A form of the word goes past the reference too.
    EXPECT_NE(vues[1].definition.find("- Qui est avancé en âge."), std::string::npos) << vues[1].motChoisi;
    EXPECT_NE(vues[2].definition.find("- Le même que corbillat.\n"), std::string::npos);
    EXPECT_NE(vues[2].definition.find("- Petit corbeau."), std::string::npos);

    // The reference in capitals can be double-clicked.
    const std::size_t renvoi = vues[0].definition.find("VIEIL.");
    ASSERT_NE(renvoi, std::string::npos);
    const std::vector<Vue> apres = Vues(SortieSessionScript(
        "saisir vieux\ncliquer 1013\ndoubleclic " +
        std::to_string(PositionDansLePanneau(vues[0].definition, renvoi) + 2) + "\nmontrer\n"));
    ASSERT_EQ(apres.size(), 1u);
    EXPECT_EQ(apres[0].motChoisi, "vieil");
}

TEST(ScriptTexteReel, FormesQuiExistent) {
    const std::vector<Vue> vues = Afficher({"beau", "nouveau"}, "cliquer 1032\n");
    ASSERT_EQ(vues.size(), 2u);
    EXPECT_NE(vues[0].definition.find("beaux"), std::string::npos);
    EXPECT_EQ(vues[0].definition.find("bels"), std::string::npos);
    EXPECT_NE(vues[1].definition.find("nouveaux"), std::string::npos);
    EXPECT_EQ(vues[1].definition.find("nouvels"), std::string::npos);
}
