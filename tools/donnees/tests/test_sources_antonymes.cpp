#include <gtest/gtest.h>
#include <unistd.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "text/FichiersTexte.h"
#include "tools/donnees/AntonymesTraduits.h"
#include "tools/donnees/EtapeAntonymes.h"
#include "tools/donnees/FreeDict.h"
#include "tools/donnees/LecteurDictd.h"
#include "tools/donnees/WordNet.h"

namespace {

namespace fs = std::filesystem;

// --- dictd ---

TEST(LecteurDictd, Base64Numbers) {
    const struct {
        const char* texte;
        bool valide;
        std::uint64_t valeur;
    } cas[] = {{"A", true, 0},     {"B", true, 1},         {"/", true, 63},    {"BA", true, 64},
               {"8m", true, 3878}, {"IT7", true, 34043},   {"", false, 0},     {"A-B", false, 0},
               {"a c", false, 0},  {"AAAAAAAAAAA", false, 0}};
    for (const auto& c : cas) {
        std::uint64_t valeur = 99;
        EXPECT_EQ(NombreBase64Dictd(c.texte, valeur), c.valide) << c.texte;
        if (c.valide) {
            EXPECT_EQ(valeur, c.valeur) << c.texte;
        }
    }
}

TEST(LecteurDictd, IndexLinesAndTheFirstBadOne) {
    std::vector<EntreeDictd> entrees;
    EXPECT_TRUE(AnalyserIndexDictd("abaisser\tIV/\tDC\r\n\nabat-jour\tIhh\tq\n", entrees));
    ASSERT_EQ(entrees.size(), 2u);
    EXPECT_EQ(entrees[0].mot, "abaisser");
    EXPECT_EQ(entrees[0].decalage, 8u * 4096 + 21 * 64 + 63);
    EXPECT_EQ(entrees[0].taille, 3u * 64 + 2);
    EXPECT_EQ(entrees[1].taille, 42u);
    entrees.clear();
    EXPECT_FALSE(AnalyserIndexDictd("bon\tA\tB\nmauvais\tA\n", entrees));
    EXPECT_EQ(entrees.size(), 1u);
}

// A dictd dictionary on disk: the index written from the articles' places.
class DossierEssai : public ::testing::Test {
protected:
    fs::path dossier;
    void SetUp() override {
        dossier = fs::temp_directory_path() / ("vocalia-antonymes-" + std::to_string(::getpid()) + "-" +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dossier);
    }
    void TearDown() override { fs::remove_all(dossier); }

    static std::string Base64(std::uint64_t n) {
        static const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        std::string texte;
        do {
            texte.insert(texte.begin(), alphabet[n % 64]);
            n /= 64;
        } while (n > 0);
        return texte;
    }
    void EcrireTexte(const fs::path& chemin, const std::string& texte) {
        fs::create_directories(chemin.parent_path());
        std::ofstream(chemin, std::ios::binary) << texte;
    }
    // base.index and base.dict.dz, with dictd's own entry first.
    void EcrireDictd(const std::string& base, const std::vector<std::string>& articles) {
        std::string contenu = "00-database-short\nEssai\n", index = "00databaseshort\tA\t" + Base64(contenu.size()) + "\n";
        for (const std::string& article : articles) {
            index += article.substr(0, article.find_first_of(" \n")) + "\t" + Base64(contenu.size()) + "\t" +
                     Base64(article.size()) + "\n";
            contenu += article;
        }
        EcrireTexte(dossier / (base + ".index"), index);
        gzFile f = gzopen((dossier / (base + ".dict.dz")).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        gzwrite(f, contenu.data(), static_cast<unsigned>(contenu.size()));
        gzclose(f);
    }
};

TEST_F(DossierEssai, DictdArticlesInIndexOrderWithoutTheDatabaseEntries) {
    EcrireDictd("essai", {"riche /ri\xCA\x83/ <adj>\nrich\n", "pauvre <adj>\npoor\n"});
    std::vector<std::string> articles;
    ASSERT_TRUE(LireArticlesDictd((dossier / "essai.index").string(), (dossier / "essai.dict.dz").string(), articles));
    EXPECT_EQ(articles, (std::vector<std::string>{"riche /ri\xCA\x83/ <adj>\nrich\n", "pauvre <adj>\npoor\n"}));
    articles.clear();
    EXPECT_FALSE(LireArticlesDictd((dossier / "absent.index").string(), (dossier / "essai.dict.dz").string(), articles));
    // An entry past the end of the article file.
    EcrireTexte(dossier / "long.index", "mot\tA\tBAAA\n");
    EXPECT_FALSE(LireArticlesDictd((dossier / "long.index").string(), (dossier / "essai.dict.dz").string(), articles));
}

// --- FreeDict ---

TEST(FreeDict, HeadwordCategoryAndSenses) {
    const struct {
        const char* texte;
        const char* vedette;
        const char* categorie;
        std::vector<std::vector<std::string>> sens;
    } cas[] = {
        {"abandonner /ab\xC9\x91\xCC\x83" "d\xC9\x94ne/ <v>\n1. cede, give in, give up\n2. abandon, forsake\n",
         "abandonner", "VERBE", {{"cede", "give in", "give up"}, {"abandon", "forsake"}}},
        {"abat-jour /aba\xCA\x92u\xCA\x80/ <n, masc>\nlamp-shade\n", "abat-jour", "NOM", {{"lamp-shade"}}},
        {"black /bl\xC3\xA6k/\nbrun, noir\n", "black", "", {{"brun", "noir"}}},
        {"be sorry about /bs\xC9\x94ri\xCB\x90/\nregretter (quelque chose)\n", "be sorry about", "", {{"regretter"}}},
        {"vite <adv>\n1. quickly\n", "vite", "ADVERBE", {{"quickly"}}},
        {"et <conj>\nand\n", "et", "", {{"and"}}},
    };
    for (const auto& c : cas) {
        ArticleBilingue article;
        ASSERT_TRUE(AnalyserArticleFreeDict(c.texte, article)) << c.texte;
        EXPECT_EQ(article.vedette, c.vedette);
        EXPECT_EQ(article.categorie, c.categorie) << c.texte;
        EXPECT_EQ(article.sens, c.sens) << c.texte;
    }
    ArticleBilingue vide;
    EXPECT_FALSE(AnalyserArticleFreeDict("seul /s\xC5\x93l/ <adj>\n", vide));
}

TEST(FreeDict, FirstTranslationsOfEachSense) {
    ArticleBilingue article;
    ASSERT_TRUE(AnalyserArticleFreeDict("a <v>\n1. x, y, z\n2. w\n", article));
    EXPECT_EQ(PremieresTraductions(article, 2), (std::vector<std::string>{"x", "y", "w"}));
    EXPECT_EQ(PremieresTraductions(article, 1), (std::vector<std::string>{"x", "w"}));
}

// --- WordNet ---

const char* const AdjectifsWordNet =
    "  1 This software and database is being provided to you, the LICENSEE\n"
    "00001740 00 a 01 rich 0 002 = 05200169 n 0000 ! 00002098 a 0101 | having wealth\n"
    "00002098 00 a 02 poor 0 needy 0 001 ! 00001740 a 0101 | lacking wealth\n"
    "00003000 00 a 01 Rich(p) 1 001 ! 00004000 a 0101 | of soil\n"
    "00004000 00 a 02 lean 0 thin_on_top 0 002 ! 00003000 a 0101 ! 00009999 a 0201 | of soil\n"
    "garbage line\n";

TEST(WordNet, AntonymPointersBetweenWords) {
    const auto paires = LireAntonymesWordNet(AdjectifsWordNet);
    std::set<std::pair<std::string, std::string>> lues;
    for (const AntonymesAnglais& p : paires) lues.insert({p.mot, p.contraire});
    // The semantic pointer "=" and the one to an unknown synset give nothing;
    // "needy" has no pointer of its own.
    EXPECT_EQ(lues, (std::set<std::pair<std::string, std::string>>{
                        {"rich", "poor"}, {"poor", "rich"}, {"rich", "lean"}, {"lean", "rich"}}));
    const auto verbes = LireAntonymesWordNet(
        "00007000 35 v 01 open 0 001 ! 00008000 v 0101 02 + 01 00 + 08 00 | open\n"
        "00008000 35 v 02 close 0 shut_up 0 001 ! 00007000 v 0201 01 + 08 00 | close\n");
    ASSERT_EQ(verbes.size(), 2u);
    EXPECT_EQ(verbes[0].mot, "open");
    EXPECT_EQ(verbes[0].contraire, "close");
    EXPECT_EQ(verbes[1].mot, "shut up");
    EXPECT_EQ(verbes[1].contraire, "open");
}

// --- the round trip ---

DonneesTraduction Traduction() {
    DonneesTraduction donnees;
    for (const char* texte : {"riche <adj>\nrich, wealthy\n", "pauvre <adj>\n1. poor\n2. needy\n",
                              "accoter <v>\nlean\n", "maigre <adj>\n1. thin\n2. lean\n", "ouvrir <v>\nopen\n",
                              "fermer <v>\n1. close, shut\n", "plein <adj>\nfull\n", "vide <adj>\nvoid\n"}) {
        ArticleBilingue article;
        AnalyserArticleFreeDict(texte, article);
        donnees.francaisAnglais.push_back(article);
    }
    for (const char* texte : {"rich\nriche\n", "poor\npauvre\n", "lean\naccoter, maigre\n", "open\nouvrir\n",
                              "close\nfermer\n", "full\nplein\n", "empty\nvide\n"}) {
        ArticleBilingue article;
        AnalyserArticleFreeDict(texte, article);
        donnees.anglaisFrancais.push_back(article);
    }
    donnees.wordnet["ADJECTIF"] = LireAntonymesWordNet(AdjectifsWordNet);
    donnees.wordnet["ADJECTIF"].push_back({"full", "empty"});
    donnees.wordnet["ADJECTIF"].push_back({"empty", "full"});
    donnees.wordnet["VERBE"] = {{"open", "close"}, {"close", "open"}};
    return donnees;
}

TEST(AntonymesTraduits, RoundTripInTheSamePartOfSpeech) {
    std::set<std::string> paires;
    for (const PaireAntonymes& p : AllersRetours(Traduction())) {
        EXPECT_EQ(p.source, SOURCE_TRADUCTION);
        paires.insert(p.premier + "/" + p.second + " " + p.categorie);
    }
    // accoter is a verb (riche is not); vide does not translate back to "empty".
    EXPECT_EQ(paires, (std::set<std::string>{"pauvre/riche ADJECTIF", "maigre/riche ADJECTIF",
                                             "fermer/ouvrir VERBE"}));
}

// --- the whole step, every source on tiny files ---

TEST_F(DossierEssai, EveryPairInBothArticlesWithItsSources) {
    EcrireTexte(dossier / "table.txt", "[ADJECTIF]\ngrand / petit\n[VERBE]\nouvrir / fermer\n");
    EcrireTexte(dossier / "wordnet/data.adj", AdjectifsWordNet);
    EcrireTexte(dossier / "wordnet/data.verb", "00007000 35 v 01 open 0 001 ! 00008000 v 0101 | open\n"
                                               "00008000 35 v 01 close 0 001 ! 00007000 v 0101 | close\n");
    EcrireDictd("fra-eng", {"riche <adj>\nrich\n", "pauvre <adj>\npoor\n", "maigre <adj>\nlean\n",
                            "ouvrir <v>\nopen\n", "fermer <v>\nclose\n"});
    EcrireDictd("eng-fra", {"rich\nriche\n", "poor\npauvre\n", "lean\nmaigre\n", "open\nouvrir\n", "close\nfermer\n"});
    EcrireTexte(dossier / "thes.dat", "UTF-8\nriche|1\n(Adjectif)|opulent\n");

    auto article = [](const std::string& mot, const std::string& categorie, const std::string& definition) {
        Article a;
        a.mot = mot;
        a.categorie = categorie;
        a.sens.push_back({definition, {}});
        return a;
    };
    std::vector<Article> articles = {
        article("grand", "ADJECTIF", "De grande taille."), article("petit", "ADJECTIF", "De petite taille."),
        article("riche", "ADJECTIF", "Qui a du bien."),    article("pauvre", "ADJECTIF", "Qui n'est pas riche."),
        article("maigre", "ADJECTIF", "Qui a peu de graisse."), article("ouvrir", "VERBE", "Faire qu'une chose soit ouverte."),
        article("fermer", "VERBE", "Clore."),              article("habile", "ADJECTIF", "Adroit."),
        article("malhabile", "ADJECTIF", "Qui n'est pas habile."),
    };
    SourcesAntonymes sources;
    sources.table = (dossier / "table.txt").string();
    sources.wordnet = (dossier / "wordnet/").string();
    sources.francaisAnglais = (dossier / "fra-eng").string();
    sources.anglaisFrancais = (dossier / "eng-fra").string();
    sources.thesaurus = (dossier / "thes.dat").string();
    sources.listePaires = (dossier / "paires.tsv").string();
    const BilanAntonymes bilan = AjouterAntonymes(articles, {}, sources);

    EXPECT_EQ(articles[0].antonymes, "petit");
    EXPECT_EQ(articles[1].antonymes, "grand");
    EXPECT_EQ(articles[2].antonymes, "pauvre");  // not maigre: nothing confirms riche / maigre
    EXPECT_EQ(articles[3].antonymes, "riche");
    EXPECT_EQ(articles[4].antonymes, "");
    EXPECT_EQ(articles[5].antonymes, "fermer");
    EXPECT_EQ(articles[6].antonymes, "ouvrir");
    EXPECT_EQ(articles[7].antonymes, "malhabile");
    EXPECT_EQ(articles[8].antonymes, "habile");
    EXPECT_EQ(bilan.motsAvecAntonymes, 8u);
    EXPECT_EQ(bilan.pairesPlacees, 4u);
    EXPECT_EQ(bilan.pairesParSource.at("table"), 2u);
    EXPECT_EQ(bilan.pairesParSource.at("Littr\xE9"), 2u);
    EXPECT_EQ(bilan.pairesParSource.at(SOURCE_TRADUCTION), 2u);  // riche / pauvre and ouvrir / fermer, confirmed
    EXPECT_EQ(bilan.candidats.at(SOURCE_TRADUCTION), 3u);          // and riche / maigre, not
    EXPECT_EQ(bilan.candidats.at("Littr\xE9 (oppositions)"), 0u);

    std::string liste;
    ASSERT_TRUE(LireFichierEntier(sources.listePaires, liste));
    EXPECT_EQ(liste,
              "grand\tpetit\tADJECTIF\ttable\n"
              "ouvrir\tfermer\tVERBE\ttable, WordNet \xC3\x97 FreeDict\n"
              "pauvre\triche\tADJECTIF\tLittr\xC3\xA9, WordNet \xC3\x97 FreeDict\n"
              "malhabile\thabile\tADJECTIF\tLittr\xC3\xA9\n");
}

TEST_F(DossierEssai, MissingSourcesGiveNoPairsAndNoFailure) {
    std::vector<Article> articles(2);
    articles[0].mot = "habile";
    articles[0].categorie = "ADJECTIF";
    articles[1].mot = "malhabile";
    articles[1].categorie = "ADJECTIF";
    articles[1].sens.push_back({"Qui n'est pas habile.", {}});
    SourcesAntonymes sources;
    sources.table = "";
    sources.wordnet = (dossier / "rien/").string();
    sources.francaisAnglais = (dossier / "rien").string();
    sources.anglaisFrancais = (dossier / "rien").string();
    sources.thesaurus = (dossier / "rien.dat").string();
    const BilanAntonymes bilan = AjouterAntonymes(articles, {}, sources);
    EXPECT_EQ(bilan.pairesPlacees, 1u);
    EXPECT_EQ(articles[0].antonymes, "malhabile");
}

}  // namespace
