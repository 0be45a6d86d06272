#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rendu/RechercheTolerante.h"
#include "shell/tests/Fixture.h"
#include "tools/dico/ArgumentsDico.h"
#include "tools/dico/CommandeDico.h"
#include "tools/dico/MiseEnPage.h"

namespace {

using Arguments = std::vector<std::string>;

// --- command line ---

struct CasArguments {
    Arguments arguments;
    bool valide;
    ModeDico mode;
    std::string mot;
    std::string erreur;  // part of the reason, for an invalid line
};

TEST(ArgumentsDico, TableDesLignes) {
    const std::vector<CasArguments> cas = {
        {{"maison"}, true, ModeDico::Articles, "maison", ""},
        {{"pomme", "de", "terre"}, true, ModeDico::Articles, "pomme de terre", ""},
        {{"--liste", "maison"}, true, ModeDico::Liste, "maison", ""},
        {{"maison", "--approches"}, true, ModeDico::Approches, "maison", ""},
        {{"--conjugaison", "aimer"}, true, ModeDico::Conjugaison, "aimer", ""},
        {{"--plein-texte", "--exemples", "sagesse"}, true, ModeDico::PleinTexte, "sagesse", ""},
        {{"--", "--liste"}, true, ModeDico::Articles, "--liste", ""},
        {{"--help"}, true, ModeDico::Aide, "", ""},
        {{}, false, ModeDico::Articles, "", "il manque le mot"},
        {{"  "}, false, ModeDico::Articles, "", "il manque le mot"},
        {{"--etymologie"}, false, ModeDico::Articles, "", "il manque le mot"},
        {{"--bidon", "maison"}, false, ModeDico::Articles, "", "option inconnue : --bidon"},
        {{"--liste", "--approches", "maison"}, false, ModeDico::Articles, "", "une seule des options"},
        {{"--exemples", "maison"}, false, ModeDico::Articles, "", "--exemples ne va qu'avec --plein-texte"},
        // A word that is no French text is refused, its fault named, rather than looked up as other bytes.
        {{"\xFF\xFE"}, false, ModeDico::Articles, "", "le mot n'est pas en UTF-8 (octet 0xFF, caractère 1)"},
        {{"été\xE9"}, false, ModeDico::Articles, "", "le mot n'est pas en UTF-8 (octet 0xE9, caractère 4)"},
        {{"eau\npain"}, false, ModeDico::Articles, "", "le mot contient un caractère de commande (U+000A, caractère 4)"},
        {{"eau\x01"}, false, ModeDico::Articles, "", "le mot contient un caractère de commande (U+0001, caractère 4)"},
        {{"eau", "\x1B[0m"}, false, ModeDico::Articles, "", "(U+001B, caractère 5)"},
        {{"😀"}, false, ModeDico::Articles, "",
         "le mot contient « 😀 » (U+1F600, caractère 1), un caractère que le texte français du dictionnaire ne "
         "connaît pas"},
        {{"--conjugaison", "Łódź"}, false, ModeDico::Articles, "", "« Ł » (U+0141, caractère 1)"},
        {{"Bra\xC8\x99ov"}, false, ModeDico::Articles, "", "(U+0219, caractère 4)"},
        {{"lʼabri"}, true, ModeDico::Articles, "lʼabri", ""},  // U+02BC, read as '
        {{"\tmaison "}, true, ModeDico::Articles, "\tmaison ", ""},  // a tab is a blank
    };
    for (const CasArguments& c : cas) {
        ArgumentsDico lus;
        std::string erreur;
        const std::string ligne = ::testing::PrintToString(c.arguments);
        ASSERT_EQ(LireArguments(c.arguments, lus, erreur), c.valide) << ligne << " : " << erreur;
        if (c.valide) {
            EXPECT_EQ(lus.mode, c.mode) << ligne;
            EXPECT_EQ(lus.mot, c.mot) << ligne;
        } else {
            EXPECT_NE(erreur.find(c.erreur), std::string::npos) << ligne << " : " << erreur;
        }
    }
}

TEST(ArgumentsDico, LesCasesCocheesCommeDansLaFenetre) {
    ArgumentsDico lus;
    std::string erreur;
    ASSERT_TRUE(LireArguments({"--synonymes", "--sans-argot", "--sans-villes", "x"}, lus, erreur));
    EXPECT_EQ(lus.options.DetailsInclus,
              (CarteOptions{{"antonymes", false}, {"etymologie", false}, {"flexions", false}, {"synonymes", true}}));
    EXPECT_EQ(lus.options.TypesExclus, (CarteOptions{{"argot", true}, {"vieilli", false}, {"villeshabitants", true}}));
    ASSERT_TRUE(LireArguments({"--tout", "--sans-vieilli", "x"}, lus, erreur));
    for (const auto& [cle, coche] : lus.options.DetailsInclus) EXPECT_TRUE(coche) << cle;
    EXPECT_EQ(lus.options.TypesExclus, (CarteOptions{{"argot", false}, {"vieilli", true}, {"villeshabitants", false}}));
}

// --- folding for the terminal ---

TEST(MiseEnPage, TableDesReplis) {
    struct Cas {
        std::string texte;
        int largeur;
        std::string attendu;
    };
    const std::string longue = "- Bâtiment servant d'habitation à une famille entière.";
    const std::vector<Cas> cas = {
        {longue, 0, longue},
        {longue, 200, longue},
        {longue, 10, longue},  // too narrow to be worth folding
        // Characters, not bytes: "â" and "à" count one each; the margin follows "- ".
        {longue, 24, "- Bâtiment servant\n  d'habitation à une\n  famille entière."},
        {"\tex. : Une maison de campagne fort belle.", 30, "\tex. : Une maison de\n        campagne fort belle."},
        {"un deux\n\ntrois quatre cinq six sept", 20, "un deux\n\ntrois quatre cinq\nsix sept"},
        {"abcdefghijklmnopqrstuvwxyz0123", 20, "abcdefghijklmnopqrst\nuvwxyz0123"},
        {"fin\n", 20, "fin\n"},
    };
    for (const Cas& c : cas) EXPECT_EQ(ReplierUtf8(c.texte, c.largeur), c.attendu) << c.texte << " / " << c.largeur;
}

// --- lookups on a small dictionary ---

std::vector<Article> ArticlesTolerance() {
    Article ete = FaireArticle("\xE9t\xE9", "NOM", {"Saison la plus chaude."}, {{"genre", "masculin"}});
    ete.etymologie = "Du latin aestas.";
    ete.synonymes = "belle saison";
    ete.antonymes = "hiver";
    ete.flexions = "\xE9t\xE9, \xE9t\xE9s";
    return {ete,
            FaireArticle("abord", "NOM", {"Action d'aborder."}),
            FaireArticle("d'abord", "ADVERBE", {"En premier lieu."}),
            FaireArticle("acrimonie", "NOM", {"Humeur \xE2" "cre."}),
            FaireArticle("c\x9C" "ur", "NOM", {"Organe qui pousse le sang."}),
            FaireArticle("\xE9tat", "NOM", {"Mani\xE8re d'\xEAtre."}),
            FaireArticle("p\xE2te", "NOM", {"Farine d\xE9tremp\xE9" "e."}),
            FaireArticle("p\xE2t\xE9", "NOM", {"Viande hach\xE9" "e en cro\xFBte."}),
            FaireArticle("Amiens", "NOM PROPRE", {"Commune fran\xE7" "aise de la Somme."}),
            FaireArticle("pognon", "NOM", {"(argot) Argent.", "Ancienne pi\xE8" "ce (vieilli)."}),
            FaireArticle("maison", "NOM", {"B\xE2timent servant d'habitation."}, {{"genre", "f\xE9minin"}}),
            FaireArticle("aimer", "VERBE", {"\xC9prouver de l'affection."}),
            FaireArticle("vers", "PR\xC9POSITION", {"En direction de."}),
            FaireArticle("vers", "NOM", {"Assemblage de mots rythm\xE9s."})};
}

class RechercheDico : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ChargerFixture(ArticlesTolerance(), {{"maisons", {"maison"}}})); }

    static ResultatDico Lancer(const Arguments& arguments, int largeur = 0) {
        ArgumentsDico lus;
        std::string erreur;
        EXPECT_TRUE(LireArguments(arguments, lus, erreur)) << erreur;
        return ExecuterDico(lus, largeur);
    }
};

struct CasRecherche {
    std::string tape;      // UTF-8, as given on the command line
    std::string debut;     // how standard output starts
    std::string erreurs;   // standard error, whole
};

TEST_F(RechercheDico, MotsTrouvesEtPardonnes) {
    // Each article comes after a line with its headword.
    const std::vector<CasRecherche> cas = {
        {"maison", "maison\n\nNOM féminin \n\n- Bâtiment servant d'habitation.\n", ""},
        {"maisons", "maison\n\nNOM féminin ", "« maisons » → maison\n"},
        // Blanks around are forgiven and said, as every other change.
        {"  maison\t", "maison\n\nNOM féminin ", "«   maison\t » → maison\n"},
        {"Maison", "maison\n\nNOM féminin ", "« Maison » → maison\n"},
        {"ÉTAT", "état\n\nNOM \n\n- Manière d'être.\n", "« ÉTAT » → état\n"},
        {"coeur", "cœur\n\nNOM \n\n- Organe", "« coeur » → cœur\n"},
        {"COEUR", "cœur\n\nNOM \n\n- Organe", "« COEUR » → cœur\n"},
        {"ete", "été\n\nNOM masculin \n\n- Saison", "« ete » → été\n"},
        {"amiens", "Amiens\n\nNOM PROPRE", "« amiens » → Amiens\n"},
        {"l'acrimonie", "acrimonie\n\nNOM \n\n- Humeur âcre.", "« l'acrimonie » → acrimonie\n"},
        {"l’acrimonie", "acrimonie\n\nNOM \n\n- Humeur âcre.", "« l’acrimonie » → acrimonie\n"},
        {"L'ACRIMONIE", "acrimonie\n\nNOM \n\n- Humeur âcre.", "« L'ACRIMONIE » → acrimonie\n"},
        {"d'abord", "d'abord\n\nADVERBE \n\n- En premier lieu.", ""},  // a headword of its own: kept whole
        {"d’abord", "d'abord\n\nADVERBE \n\n- En premier lieu.", "« d’abord » → d'abord\n"},
        {"l'abord", "abord\n\nNOM \n\n- Action d'aborder.", "« l'abord » → abord\n"},
        {"qu'ete", "été\n\nNOM masculin", "« qu'ete » → été\n"},
        // Punctuation around the word, as copied out of a sentence.
        {"maison'", "maison\n\nNOM féminin ", "« maison' » → maison\n"},
        {"maison.", "maison\n\nNOM féminin ", "« maison. » → maison\n"},
        {"« maison »", "maison\n\nNOM féminin ", "« « maison » » → maison\n"},
        {"(l'acrimonie),", "acrimonie\n\nNOM ", "« (l'acrimonie), » → acrimonie\n"},
        {"Ete !", "été\n\nNOM masculin", "« Ete ! » → été\n"},
        // Every headword that differs only by accents, each under its name.
        {"pate", "pâte\n\nNOM \n\n- Farine détrempée.\n\npâté\n\nNOM \n\n- Viande hachée en croûte.\n",
         "« pate » → pâte, pâté\n"},
        // Homographs: one headword line before each article.
        {"vers", "vers\n\nPRÉPOSITION \n\n- En direction de.\n\nvers\n\nNOM \n\n- Assemblage de mots rythmés.\n", ""},
    };
    for (const CasRecherche& c : cas) {
        const ResultatDico r = Lancer({c.tape});
        EXPECT_EQ(r.code, CODE_TROUVE) << c.tape << " : " << r.erreurs;
        EXPECT_EQ(r.sortie.substr(0, c.debut.size()), c.debut) << c.tape << " :\n" << r.sortie;
        EXPECT_EQ(r.erreurs, c.erreurs) << c.tape;
    }
}

TEST_F(RechercheDico, IntrouvableSansMotApproche) {
    // No key index here: the approximate search has nothing to offer.
    for (const std::string tape : {"xqzw", "l'xqzw", "pates"}) {
        const ResultatDico r = Lancer({tape});
        EXPECT_EQ(r.code, CODE_INTROUVABLE) << tape;
        EXPECT_EQ(r.sortie, "") << tape;
        EXPECT_EQ(r.erreurs, "introuvable : " + tape + "\n") << tape;
    }
}

TEST_F(RechercheDico, OptionsDesArticles) {
    struct Cas {
        Arguments arguments;
        std::string sortie;
        int code;
    };
    const std::vector<Cas> cas = {
        {{"été"}, "été\n\nNOM masculin \n\n- Saison la plus chaude.\n", CODE_TROUVE},
        {{"--etymologie", "été"}, "été\n\nETYMOLOGIE: Du latin aestas.\n\nNOM masculin \n\n- Saison la plus chaude.\n",
         CODE_TROUVE},
        {{"--flexions", "été"}, "été\n\nNOM masculin \n\nété, étés\n\n- Saison la plus chaude.\n", CODE_TROUVE},
        {{"--synonymes", "été"}, "été\n\nNOM masculin \n\n- Saison la plus chaude.\n\nSYNONYMES:\nbelle saison\n", CODE_TROUVE},
        {{"--antonymes", "été"}, "été\n\nNOM masculin \n\n- Saison la plus chaude.\n\nANTONYMES:\nhiver\n", CODE_TROUVE},
        {{"--tout", "été"},
         "été\n\nETYMOLOGIE: Du latin aestas.\n\nNOM masculin \n\nété, étés\n\n- Saison la plus chaude.\n\n"
         "SYNONYMES:\nbelle saison\nANTONYMES:\nhiver\n",
         CODE_TROUVE},
        {{"pognon"}, "pognon\n\nNOM \n\n- (argot) Argent.\n\n- Ancienne pièce (vieilli).\n", CODE_TROUVE},
        {{"--sans-argot", "pognon"}, "pognon\n\nNOM \n\n- Ancienne pièce (vieilli).\n", CODE_TROUVE},
        {{"--sans-vieilli", "pognon"}, "pognon\n\nNOM \n\n- (argot) Argent.\n\n", CODE_TROUVE},
        // Every sense hidden: the article is, and so is the word.
        {{"--sans-argot", "--sans-vieilli", "pognon"}, "", CODE_INTROUVABLE},
        {{"--sans-villes", "Amiens"}, "", CODE_INTROUVABLE},
    };
    for (const Cas& c : cas) {
        const ResultatDico r = Lancer(c.arguments);
        EXPECT_EQ(r.code, c.code) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(r.sortie, c.sortie) << ::testing::PrintToString(c.arguments);
    }
}

TEST_F(RechercheDico, RepliALaLargeurDuTerminal) {
    const ResultatDico r = Lancer({"aimer"}, 20);
    EXPECT_EQ(r.sortie, "aimer\n\nVERBE \n\n- Éprouver de\n  l'affection.\n");
}

TEST_F(RechercheDico, PleinTexteEtListe) {
    ResultatDico r = Lancer({"--plein-texte", "Argent"});
    EXPECT_EQ(r.code, CODE_TROUVE);
    EXPECT_EQ(r.sortie, "pognon\n");
    r = Lancer({"--plein-texte", "--sans-argot", "argent"});  // case counts
    EXPECT_EQ(r.code, CODE_INTROUVABLE);
    EXPECT_EQ(r.erreurs, "aucun sens ne contient « argent »\n");
    r = Lancer({"--plein-texte", "Saison"});
    EXPECT_EQ(r.sortie, "été\n");

    r = Lancer({"--liste", "Maison"});
    EXPECT_EQ(r.code, CODE_TROUVE);
    EXPECT_EQ(r.erreurs, "« Maison » → maison\n");
    EXPECT_NE(r.sortie.find("  été\n> maison\n  pâte\n"), std::string::npos) << r.sortie;
    // A text that is no headword: the list around its place, the nearest headword marked.
    r = Lancer({"--liste", "mais"});
    EXPECT_EQ(r.code, CODE_TROUVE);
    EXPECT_EQ(r.erreurs, "« mais » n'est pas une entrée ; la plus proche : maison\n");
    EXPECT_NE(r.sortie.find("  été\n> maison\n  pâte\n"), std::string::npos) << r.sortie;
    r = Lancer({"--liste", "zz"});  // after the last headword: the last one
    EXPECT_EQ(r.code, CODE_TROUVE);
    EXPECT_EQ(r.sortie.substr(r.sortie.size() - 7), "> vers\n") << r.sortie;
    r = Lancer({"--liste", "--sans-villes", "abord"});
    EXPECT_EQ(r.sortie.find("Amiens"), std::string::npos) << r.sortie;
    EXPECT_NE(r.sortie.find("> abord\n"), std::string::npos) << r.sortie;
}

TEST_F(RechercheDico, ApprochesSansIndex) {
    const ResultatDico r = Lancer({"--approches", "maisson"});
    EXPECT_EQ(r.code, CODE_INTROUVABLE);
    EXPECT_EQ(r.erreurs, "Aucun mot approché n'a été trouvé\n");
}

TEST(FormeSansAccents, LigaturesEtCapitales) {
    EXPECT_EQ(FormeSansAccents("C\x9C" "ur"), "coeur");
    EXPECT_EQ(FormeSansAccents("\xC9T\xC9"), "ete");
    EXPECT_EQ(FormeSansAccents("\xE6quo"), "aequo");
    EXPECT_EQ(NettoyerSaisie(" \x92" "a\x91 "), "'a'");
}

}  // namespace
