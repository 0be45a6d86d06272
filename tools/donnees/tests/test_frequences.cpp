#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/donnees/Frequences.h"

namespace {

Article Ecrit(const std::string& mot, const std::string& definition, std::vector<std::string> exemples = {}) {
    Article article;
    article.mot = mot;
    article.sens.push_back(Sens{definition, std::move(exemples)});
    return article;
}

std::string Fichier(const std::string& nom, const std::string& contenu) {
    const std::string chemin = (std::filesystem::temp_directory_path() / nom).string();
    std::ofstream(chemin, std::ios::binary) << contenu;
    return chemin;
}

}  // namespace

TEST(MotsDuTexte, ElisionsTraitsDUnionEtCapitales) {
    const std::vector<std::string> attendus = {"le", "homme", "que", "il", "est", "peut-\xEAtre", "peut",
                                               "\xEAtre", "ici", "Venir", "de", "a"};
    EXPECT_EQ(MotsDuTexte("L'homme qu'il est, peut-\xEAtre ici. Venir d\x92" "a 12 -- "), attendus);
    EXPECT_TRUE(MotsDuTexte(" 1877, -- ; ").empty());
}

// A made-up Littré of five articles and one added word: "venons" belongs to
// "venir" and to the rare "vener"; "dans" is a headword and the plural of "dan".
TEST(CalculerFrequences, FormesPartageesArticlePropreEtSignauxSecondaires) {
    const std::vector<Article> articles = {
        Ecrit("venir", "Nous venons, vous venez, ils viennent.", {"Venir, venir !"}),
        Ecrit("vener", "Chasser ; venons au bois dans la for\xEAt."),
        Ecrit("dans", "Dans la maison, dans le jardin, venons dans la cour."),
        Ecrit("dan", "Grade de judo ; les dans."),
        Ecrit("maison", "Venir \xE0 la maison dans la ville ; venez ; vener ; Paris."),
        Ecrit("Paris", "Ville."),
        Ecrit("ordinateur", "Seuls des synonymes de ce mot sont connus : calculateur, maison, venir."),
    };
    const std::map<std::string, std::vector<std::string>> index = {
        {"venons", {"vener", "venir"}}, {"venez", {"venir"}}, {"viennent", {"venir"}}};
    SignauxFrequence signaux;
    signaux.index = &index;
    signaux.formesVedettes["dan"] = {"dans"};
    signaux.citationsThesaurus["ordinateur"] = 4;
    signaux.citationsThesaurus["maison"] = 9;  // in the Littré: the thesaurus adds nothing
    signaux.lemmesHunspell = {"ordinateur", "maison"};
    const auto frequences = CalculerFrequences(articles, 6, signaux);

    ASSERT_EQ(frequences.size(), 7u);
    // Its own article left out, "venir" has "Venir" and "venez" in "maison"'s,
    // "vener" its infinitive there: the one "venons" outside their articles
    // is shared two to one.
    EXPECT_EQ(frequences.at("venir"), 3u);
    EXPECT_EQ(frequences.at("vener"), 1u);
    EXPECT_GT(frequences.at("venir"), frequences.at("vener"));
    // "dans" twice outside its own article and "dan"'s; "dan" itself is never
    // written, so the shared form is all the preposition's.
    EXPECT_EQ(frequences.at("dans"), 2u);
    EXPECT_EQ(frequences.at("dan"), 0u);
    // A name is counted where it is written with its capital.
    EXPECT_EQ(frequences.at("Paris"), 1u);
    // A word the Littré lacks: its occurrences there plus the thesaurus and
    // the spelling dictionary; the added article's own sense counts for nothing.
    EXPECT_EQ(frequences.at("ordinateur"), 5u);
    EXPECT_EQ(frequences.at("maison"), 1u);
}

TEST(LireFrequences, AllerRetourEtLignesFautives) {
    const std::unordered_map<std::string, std::uint32_t> frequences = {
        {"\xEAtre", 120839}, {"abatage", 10}, {"Paris", 0}, {"z\xE8le", 7}};
    const std::string texte = TexteFrequences(frequences);
    // Byte order: capitals first, accented letters after z.
    EXPECT_EQ(texte, "Paris\t0\nabatage\t10\nz\xE8le\t7\n\xEAtre\t120839\n");
    EXPECT_EQ(LireFrequences(Fichier("vocalia_frequences.txt", texte)), frequences);
    for (const char* fautif : {"abatage 10\n", "abatage\t\n", "\t3\n", "abatage\t-1\n", "abatage\t1x\n",
                               "abatage\t99999999999\n"})
        EXPECT_TRUE(LireFrequences(Fichier("vocalia_frequences_fautif.txt", fautif)).empty()) << fautif;
    EXPECT_TRUE(LireFrequences("/nonexistent/frequences.txt").empty());
}

TEST(TexteBilanFrequences, LesPlusCourantsDAbord) {
    const std::unordered_map<std::string, std::uint32_t> frequences = {
        {"de", 500}, {"\xEAtre", 120}, {"avoir", 120}, {"abatage", 3}, {"Paris", 2}};
    const std::string bilan = TexteBilanFrequences(frequences, 3);
    EXPECT_NE(bilan.find("les 3 plus courants\n    de (500) avoir (120) \xC3\xAAtre (120)\n"), std::string::npos)
        << bilan;
    EXPECT_NE(bilan.find("des plus rares\n    abatage (3)\n"), std::string::npos) << bilan;
}
