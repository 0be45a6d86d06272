#include <gtest/gtest.h>

#include "tools/donnees/Antonymes.h"
#include "tools/donnees/AntonymesCourants.h"
#include "tools/donnees/AntonymesLittre.h"
#include "tools/donnees/ConfirmationAntonymes.h"
#include "text/FichiersTexte.h"

namespace {

Article Entree(const std::string& mot, const std::string& categorie, const std::vector<std::string>& definitions = {}) {
    Article article;
    article.mot = mot;
    article.categorie = categorie;
    for (const std::string& d : definitions) article.sens.push_back({d, {}});
    return article;
}

const std::string PARTICIPE = "PARTICIPE PASS\xC9";

TEST(CategoriesAntonymes, KeysOfTheArticlesCategories) {
    const struct {
        std::string categorie;
        std::set<std::string> cles;
    } cas[] = {
        {"ADJECTIF", {"ADJECTIF"}},
        {"NOM ET ADJECTIF", {"NOM", "ADJECTIF"}},
        {PARTICIPE, {"ADJECTIF"}},
        {"PR\xC9POSITION ET ADVERBE", {"PREPOSITION", "ADVERBE"}},
        {"LOCUTION ADVERBIALE", {"ADVERBE"}},
        {"LOCUTION PR\xC9POSITIVE", {"PREPOSITION"}},
        {"NOM PROPRE", {}},
        {"PR\xC9" "FIXE", {}},
        {"", {}},
    };
    for (const auto& c : cas) EXPECT_EQ(CategoriesAntonymes(c.categorie), c.cles) << c.categorie;
}

TEST(PlacerAntonymes, BothArticlesOfTheCategoryOnly) {
    std::vector<Article> articles = {Entree("grand", "ADJECTIF"), Entree("grand", "NOM"), Entree("petit", "ADJECTIF"),
                                     Entree("minuscule", "NOM ET ADJECTIF"), Entree("noir", "ADJECTIF")};
    std::vector<PairePlacee> placees;
    const BilanAntonymes bilan = PlacerAntonymes(articles,
                                                 {{"grand", "petit", "ADJECTIF", "table"},
                                                  {"petit", "grand", "ADJECTIF", "Littr\xE9"},  // the same pair again
                                                  {"grand", "minuscule", "ADJECTIF", "Littr\xE9"},
                                                  {"grand", "noir", "NOM", "table"},  // noir is no noun
                                                  {"noir", "noir", "ADJECTIF", "table"}},
                                                 &placees);
    EXPECT_EQ(articles[0].antonymes, "petit, minuscule");
    EXPECT_EQ(articles[1].antonymes, "");  // the noun
    EXPECT_EQ(articles[2].antonymes, "grand");
    EXPECT_EQ(articles[3].antonymes, "grand");
    EXPECT_EQ(articles[4].antonymes, "");
    EXPECT_EQ(bilan.motsAvecAntonymes, 3u);
    EXPECT_EQ(bilan.pairesPlacees, 2u);
    EXPECT_EQ(bilan.pairesRejetees, 1u);
    EXPECT_EQ(bilan.pairesParSource.at("table"), 1u);
    EXPECT_EQ(bilan.pairesParSource.at("Littr\xE9"), 2u);
    ASSERT_EQ(placees.size(), 2u);
    EXPECT_EQ(placees[0].sources, (std::vector<std::string>{"table", "Littr\xE9"}));
}

TEST(PlacerAntonymes, ParticipleAsAdjectiveAndTextAlreadyThere) {
    std::vector<Article> articles = {Entree("couvert", PARTICIPE), Entree("d\xE9" "couvert", PARTICIPE),
                                     Entree("ouvert", "ADJECTIF")};
    articles[2].antonymes = "clos";
    PlacerAntonymes(articles, {{"couvert", "d\xE9" "couvert", "ADJECTIF", "table"},
                               {"ouvert", "couvert", "ADJECTIF", "table"}});
    EXPECT_EQ(articles[0].antonymes, "d\xE9" "couvert, ouvert");
    EXPECT_EQ(articles[1].antonymes, "couvert");
    EXPECT_EQ(articles[2].antonymes, "clos, couvert");
}

TEST(AntonymesCourants, SectionsPairsAndComments) {
    std::vector<PaireAntonymes> paires;
    ASSERT_TRUE(LireAntonymesCourants("# t\xC3\xAAte\n\n[ADJECTIF]\nblanc / noir\r\n  large /  \xC3\xA9troit \n"
                                      "[PR\xC3\x89POSITION]\navec / sans\n",
                                      paires));
    ASSERT_EQ(paires.size(), 3u);
    EXPECT_EQ(paires[0].premier, "blanc");
    EXPECT_EQ(paires[0].second, "noir");
    EXPECT_EQ(paires[0].categorie, "ADJECTIF");
    EXPECT_EQ(paires[0].source, SOURCE_TABLE);
    EXPECT_EQ(paires[1].second, "\xE9troit");
    EXPECT_EQ(paires[2].categorie, "PREPOSITION");
}

TEST(AntonymesCourants, SlipsAreErrorsWithTheirLine) {
    const struct {
        const char* texte;
        std::size_t ligne;
    } cas[] = {
        {"blanc / noir\n", 1},                   // no section yet
        {"[ADJECTIF]\nblanc noir\n", 2},         // no separator
        {"[ADJECTIF]\nblanc / \n", 2},           // one word
        {"[ADJECTIF]\na / b / c\n", 2},          // three
        {"[COULEURS]\nblanc / noir\n", 1},       // no such category
        {"[ADJECTIF]\n\n[NOM PROPRE]\n", 3},
    };
    for (const auto& c : cas) {
        std::vector<PaireAntonymes> paires;
        std::size_t ligne = 0;
        EXPECT_FALSE(LireAntonymesCourants(c.texte, paires, &ligne)) << c.texte;
        EXPECT_EQ(ligne, c.ligne) << c.texte;
    }
}

// The table the build reads: every line well formed, no pair twice, no word
// opposed to itself, and the pairs a reader checks first.
TEST(AntonymesCourants, TheProjectsTable) {
    std::vector<PaireAntonymes> paires;
    std::string texte;
    ASSERT_TRUE(LireFichierEntier(VOCALIA_DOSSIER_OUTILS "/donnees/antonymes_courants.txt", texte));
    std::size_t ligne = 0;
    ASSERT_TRUE(LireAntonymesCourants(texte, paires, &ligne)) << "ligne " << ligne;
    EXPECT_GE(paires.size(), 300u);
    std::set<std::tuple<std::string, std::string, std::string>> vues;
    for (const PaireAntonymes& p : paires) {
        EXPECT_NE(p.premier, p.second);
        const auto cle = p.premier < p.second ? std::make_tuple(p.premier, p.second, p.categorie)
                                              : std::make_tuple(p.second, p.premier, p.categorie);
        EXPECT_TRUE(vues.insert(cle).second) << p.premier << " / " << p.second;
    }
    for (const auto& [a, b, categorie] : {std::make_tuple("grand", "petit", "ADJECTIF"),
                                          std::make_tuple("blanc", "noir", "ADJECTIF"),
                                          std::make_tuple("apr\xE8s", "avant", "ADVERBE"),
                                          std::make_tuple("ami", "ennemi", "NOM"),
                                          std::make_tuple("dedans", "dehors", "ADVERBE"),
                                          std::make_tuple("large", "\xE9troit", "ADJECTIF"),
                                          std::make_tuple("rarement", "souvent", "ADVERBE")})
        EXPECT_TRUE(vues.count({a, b, categorie})) << a << " / " << b;
}

// --- the LittrÃ©'s own definitions ---

std::set<std::string> Paires(const std::vector<PaireAntonymes>& paires) {
    std::set<std::string> texte;
    for (const PaireAntonymes& p : paires) texte.insert(p.premier + "/" + p.second + " " + p.categorie);
    return texte;
}

TEST(AntonymesLittre, PrefixedWordsDefinedAsTheNegationOfTheirBase) {
    const std::vector<Article> articles = {
        Entree("habile", "ADJECTIF"),
        Entree("malhabile", "ADJECTIF", {"Qui n'est pas habile. Vous \xEAtes bien malhabile."}),
        Entree("possible", "ADJECTIF"),
        Entree("impossible", "ADJECTIF", {"Qui ne peut \xEAtre, qui ne peut se faire."}),
        Entree("exp\xE9rience", "NOM"),
        Entree("inexp\xE9rience", "NOM", {"Manque d'exp\xE9rience."}),
        Entree("boucher", "VERBE"),
        Entree("d\xE9" "boucher", "VERBE", {"\xD4ter ce qui bouche."}),
        Entree("sym\xE9trique", "ADJECTIF"),
        Entree("asym\xE9trique", "ADJECTIF", {"Terme de g\xE9om\xE9trie. Qui n'a pas de sym\xE9trie."}),
        // Prefixes that are no negation here:
        Entree("finir", "VERBE"),
        Entree("d\xE9" "finir", "VERBE", {"D\xE9terminer, fixer les limites."}),  // no negative shape
        Entree("noter", "VERBE"),
        Entree("d\xE9noter", "VERBE", {"Enlever tout doute, marquer."}),  // a shape, but not its base
        Entree("droitement", "ADVERBE"),
        Entree("adroitement", "ADVERBE", {"D'une mani\xE8re adroite."}),
        Entree("portant", "ADJECTIF"),
        Entree("important", "NOM", {"Ce qui importe."}),  // no shape; a noun anyway
        Entree("plier", "VERBE"),
        Entree("d\xE9plier", "VERBE", {"D\xE9" "faire une chose qui \xE9tait pli\xE9" "e."}),  // accents aside
        Entree("m\xE9nager", "VERBE"),
        Entree("d\xE9m\xE9nager", "VERBE", {"Retirer des meubles. Il a d\xE9m\xE9nag\xE9."}),  // the base inside a word only
        Entree("curie", "NOM"),
        Entree("incurie", "NOM", {"Manque de soin."}),  // a shape that must name its base
        Entree("é" "dit", "ADJECTIF"),
        Entree("iné" "dit", "ADJECTIF", {"Qui n'a point été imprimé."}),  // too short a base to go unnamed
    };
    const AntonymesLittre paires = AntonymesDuLittre(articles, {});
    EXPECT_EQ(Paires(paires.negations),
              (std::set<std::string>{"malhabile/habile ADJECTIF", "impossible/possible ADJECTIF",
                                     "inexp\xE9rience/exp\xE9rience NOM", "d\xE9" "boucher/boucher VERBE",
                                     "d\xE9plier/plier VERBE",
                                     "asym\xE9trique/sym\xE9trique ADJECTIF"}));
    EXPECT_TRUE(paires.oppositions.empty());
    for (const PaireAntonymes& p : paires.negations) EXPECT_EQ(p.source, SOURCE_LITTRE);
}

TEST(AntonymesLittre, OneNegatedWord) {
    const std::vector<Article> articles = {
        Entree("noble", "ADJECTIF"),
        Entree("roturier", "ADJECTIF", {"Qui n'est pas noble."}),
        Entree("tendu", PARTICIPE),
        Entree("l\xE2" "che", "ADJECTIF", {"Qui n'est pas tendus, qui est mou."}),  // a form of tendu
        Entree("\xE9tranger", "ADJECTIF", {"Qui n'est pas du pays."}),                  // "du" is no headword
        Entree("vague", "ADJECTIF", {"Qui n'est pas noble ni beau."}),                // more than one word
    };
    const AntonymesLittre paires = AntonymesDuLittre(articles, {{"tendus", {"tendu"}}});
    EXPECT_EQ(Paires(paires.negations),
              (std::set<std::string>{"roturier/noble ADJECTIF", "l\xE2" "che/tendu ADJECTIF"}));
}

TEST(AntonymesLittre, OppositionPhrases) {
    const std::vector<Article> articles = {
        Entree("absolu", "ADJECTIF", {"Qui n'est li\xE9 par rien.", "En grammaire, absolu se dit par opposition \xE0 relatif."}),
        Entree("relatif", "ADJECTIF"),
        Entree("intemp\xE9rance", "NOM", {"Vice oppos\xE9 \xE0 la sobri\xE9t\xE9."}),
        Entree("sobri\xE9t\xE9", "NOM"),
        Entree("actif", "ADJECTIF", {"Dettes actives, celles qu'on doit recevoir, par opposition aux dettes passives."}),
        Entree("passif", "ADJECTIF"),
        Entree("dette", "NOM"),
        Entree("faux", "ADJECTIF", {"Le faux est le contraire du vrai."}),
        Entree("vrai", "ADJECTIF"),
        Entree("chant", "NOM", {"Le chant figur\xE9, par opposition \xE0 plain-chant."}),  // its own compound
        Entree("plain-chant", "NOM"),
        Entree("civil", "ADJECTIF", {"Ann\xE9" "e civile, par opposition \xE0 ann\xE9" "e astronomique et solaire."}),
        Entree("ann\xE9" "e", "NOM"),
        Entree("rester", "VERBE", {"Demeurer, par opposition \xE0 s'en aller de bon matin."}),  // too long
    };
    const AntonymesLittre paires = AntonymesDuLittre(
        articles, {{"actives", {"actif"}}, {"passives", {"passif"}}, {"dettes", {"dette"}}, {"civile", {"civil"}}});
    EXPECT_EQ(Paires(paires.oppositions),
              (std::set<std::string>{"absolu/relatif ADJECTIF", "intemp\xE9rance/sobri\xE9t\xE9 NOM",
                                     "actif/passif ADJECTIF", "faux/vrai ADJECTIF"}));
    EXPECT_TRUE(paires.negations.empty());
}

// --- the second signal ---

TEST(ConfirmationAntonymes, ContrastOfForm) {
    const struct {
        const char* a;
        const char* b;
        bool contraste;
    } cas[] = {
        {"internat", "externat", true},     {"monogamie", "polygamie", true}, {"inspiration", "expiration", true},
        {"externat", "internat", true},     {"immerg\xE9", "\xE9merg\xE9", true},
        {"chambre", "appartement", false},  {"m\xE9lodiste", "harmoniste", false},
        {"oculaire", "auriculaire", false},  // a common ending is not enough
        {"dulie", "hyperdulie", false},      // hyper- without hypo-
        {"inde", "exde", false},             // too short a stem
        {"son", "son", false},
    };
    for (const auto& c : cas) EXPECT_EQ(ContrasteDeForme(c.a, c.b), c.contraste) << c.a << " / " << c.b;
}

TEST(ConfirmationAntonymes, SamePairOrSynonymsOnBothSides) {
    const std::vector<EntreeThesaurus> thesaurus = {
        {"clair", {{{"ADJECTIF"}, {"lumineux"}}}},
        {"lumineux", {{{"ADJECTIF"}, {"clair"}}}},
        {"sombre", {{{"ADJECTIF"}, {"t\xE9n\xE9" "breux", "obscur", "fonc\xE9"}}}},
        {"t\xE9n\xE9" "breux", {{{"ADJECTIF"}, {"sombre"}}}},
        {"obscur", {{{"ADJECTIF"}, {"sombre"}}}},
        {"fonc\xE9", {{{"ADJECTIF"}, {"noir"}}}},  // does not list sombre back
    };
    const ConfirmationAntonymes confirmation(
        {{"clair", "sombre", "ADJECTIF", "table"}, {"lumineux", "t\xE9n\xE9" "breux", "ADJECTIF", "table"}}, thesaurus);
    const std::vector<PaireAntonymes> faibles = {
        {"clair", "t\xE9n\xE9" "breux", "ADJECTIF", "w"},  // clair / sombre ~ t\xE9n\xE9" "breux, t\xE9n\xE9" "breux / lumineux ~ clair
        {"clair", "obscur", "ADJECTIF", "w"},     // one side only: no good source opposes obscur
        {"clair", "fonc\xE9", "ADJECTIF", "w"},   // fonc\xE9 and sombre are no mutual synonyms
        {"sombre", "clair", "ADJECTIF", "w"},     // the good pair itself
        {"riche", "pauvre", "ADJECTIF", "w"},     // the other weak source has it
        {"riche", "accoter", "ADJECTIF", "w"},    // nothing
        {"internat", "externat", "NOM", "w"},     // form, when asked for
    };
    const auto confirmees = confirmation.Confirmer(faibles, {{"pauvre", "riche", "ADJECTIF", "autre"}}, false);
    EXPECT_EQ(Paires(confirmees), (std::set<std::string>{"clair/t\xE9n\xE9" "breux ADJECTIF", "sombre/clair ADJECTIF",
                                                         "riche/pauvre ADJECTIF"}));
    const auto parLaForme = confirmation.Confirmer(faibles, {}, true);
    EXPECT_EQ(Paires(parLaForme), (std::set<std::string>{"clair/t\xE9n\xE9" "breux ADJECTIF", "sombre/clair ADJECTIF",
                                                         "internat/externat NOM"}));
}

}  // namespace
