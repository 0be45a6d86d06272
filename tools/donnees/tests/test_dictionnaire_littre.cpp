#include <gtest/gtest.h>
#include <unistd.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/donnees/DictionnaireLittre.h"

namespace {
Article Mot(const char* mot, const char* categorie = "") {
    Article article;
    article.mot = mot;
    article.categorie = categorie;
    return article;
}

std::vector<std::string> Mots(const std::vector<Article>& articles) {
    std::vector<std::string> mots;
    for (const Article& article : articles) mots.push_back(article.mot);
    return mots;
}
}  // namespace

TEST(TrierArticles, OrdreFrancaisEtHomographesDansLeurOrdre) {
    std::vector<Article> articles = {Mot("elans"), Mot("fier", "VERBE"), Mot("\xE9lan"),
                                     Mot("Elan"),  Mot("ela"),           Mot("fier", "ADJECTIF"),
                                     Mot("elan"),  Mot("c\xF4te"),       Mot("cot\xE9")};
    TrierArticles(articles);
    EXPECT_EQ(Mots(articles), (std::vector<std::string>{"cot\xE9", "c\xF4te", "ela", "Elan", "elan",
                                                        "\xE9lan", "elans", "fier", "fier"}));
    EXPECT_EQ(articles[7].categorie, "VERBE");  // the file's order of homographs is kept
    EXPECT_EQ(articles[8].categorie, "ADJECTIF");
    EXPECT_EQ(PremiereRuptureOrdre(articles), articles.size());
}

TEST(PremiereRuptureOrdre, DesordreEtHomonymesSepares) {
    EXPECT_EQ(PremiereRuptureOrdre({Mot("a"), Mot("c"), Mot("b")}), 2u);
    EXPECT_EQ(PremiereRuptureOrdre({}), 0u);
    // equal under the order but different bytes may separate twins
    EXPECT_EQ(PremiereRuptureOrdre({Mot("a\x01"), Mot("a\x02"), Mot("a\x01")}), 2u);
}

TEST(CompterArticles, MotsDistinctsSensEtExemples) {
    std::vector<Article> articles = {Mot("fier"), Mot("fier"), Mot("maison")};
    articles[0].sens = {Sens{"Commettre.", {"a", "b"}}, Sens{"Se fier.", {}}};
    articles[2].sens = {Sens{"B\xE2timent.", {"c"}}};
    const ComptesDictionnaire comptes = CompterArticles(articles);
    EXPECT_EQ(comptes.articles, 3u);
    EXPECT_EQ(comptes.motsDistincts, 2u);
    EXPECT_EQ(comptes.sens, 3u);
    EXPECT_EQ(comptes.exemples, 3u);
}

TEST(LireLittre, PetitDictionnaireStarDict) {
    const std::filesystem::path dossier =
        std::filesystem::temp_directory_path() / ("vocalia_littre_" + std::to_string(getpid()));
    std::filesystem::create_directories(dossier);
    const std::string chat = "<i><small>(cha) s. m.</small></i>\n    Animal domestique.\n";
    const std::string fier = "<i><small>(fi-\xC3\xA9) v. a.</small></i>\n<b>1\xC2\xB0</b> Commettre.\n";
    const std::string articles = chat + fier;
    auto enregistrement = [](const std::string& mot, std::uint32_t decalage, std::uint32_t taille) {
        std::string octets = mot + '\0';
        for (std::uint32_t valeur : {decalage, taille})
            for (int bits = 24; bits >= 0; bits -= 8) octets += char((valeur >> bits) & 0xFF);
        return octets;
    };
    const auto taille = [](const std::string& s) { return static_cast<std::uint32_t>(s.size()); };
    std::ofstream(dossier / "d.idx", std::ios::binary)
        << enregistrement("CHAT", 0, taille(chat)) << enregistrement("FIER", taille(chat), taille(fier))
        << enregistrement("FIER.1", taille(chat), taille(fier));
    gzFile fichier = gzopen((dossier / "d.dict.dz").c_str(), "wb");
    ASSERT_NE(fichier, nullptr);
    gzwrite(fichier, articles.data(), taille(articles));
    gzclose(fichier);

    std::vector<Article> lus;
    ASSERT_TRUE(LireLittre({(dossier / "d.idx").string(), (dossier / "d.dict.dz").string()}, lus));
    ASSERT_EQ(lus.size(), 2u);  // FIER and FIER.1 are one entry
    EXPECT_EQ(lus[0].mot, "chat");
    EXPECT_EQ(lus[0].sens.at(0).definition, "Animal domestique.");
    EXPECT_EQ(lus[1].mot, "fier");
    EXPECT_EQ(lus[1].categorie, "VERBE");
    EXPECT_EQ(lus[1].attributs.begin()->second, "transitif");  // converted from UTF-8

    // an index that points past the article file is an error
    std::ofstream(dossier / "d.idx", std::ios::binary | std::ios::app)
        << enregistrement("ZOO", 5000, 10);
    std::vector<Article> refuses;
    EXPECT_FALSE(LireLittre({(dossier / "d.idx").string(), (dossier / "d.dict.dz").string()}, refuses));
    EXPECT_FALSE(LireLittre({(dossier / "absent.idx").string(), (dossier / "d.dict.dz").string()}, refuses));
    std::filesystem::remove_all(dossier);
}
