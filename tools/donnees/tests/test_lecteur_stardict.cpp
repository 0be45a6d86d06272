#include <gtest/gtest.h>
#include <zlib.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/donnees/LecteurStarDict.h"

namespace {
std::string Enregistrement(const std::string& mot, std::uint32_t decalage, std::uint32_t taille) {
    std::string octets = mot + '\0';
    for (std::uint32_t valeur : {decalage, taille})
        for (int decalageBits = 24; decalageBits >= 0; decalageBits -= 8)
            octets += char((valeur >> decalageBits) & 0xFF);
    return octets;
}

std::filesystem::path FichierTemporaire(const char* nom) {
    return std::filesystem::temp_directory_path() /
           (std::string("vocalia_test_") + std::to_string(::getpid()) + "_" + nom);
}
}  // namespace

TEST(AnalyserIndexStarDict, DecalagesEtTaillesGrandBoutistes) {
    const std::string octets = Enregistrement("chat", 0x01020304, 300) +
                               Enregistrement("fr\xC3\xA9mir", 0xFFFFFFF0u, 7);
    std::vector<EntreeStarDict> entrees;
    ASSERT_TRUE(AnalyserIndexStarDict(octets, entrees));
    ASSERT_EQ(entrees.size(), 2u);
    EXPECT_EQ(entrees[0].mot, "chat");
    EXPECT_EQ(entrees[0].decalage, 0x01020304u);
    EXPECT_EQ(entrees[0].taille, 300u);
    EXPECT_EQ(entrees[1].mot, "fr\xC3\xA9mir");
    EXPECT_EQ(entrees[1].decalage, 0xFFFFFFF0u);
}

TEST(AnalyserIndexStarDict, EnregistrementTronque) {
    const std::string complet = Enregistrement("chat", 1, 2);
    for (std::size_t coupe : {complet.size() - 1, std::size_t(5), std::size_t(2)}) {
        std::vector<EntreeStarDict> entrees;
        EXPECT_FALSE(AnalyserIndexStarDict(Enregistrement("a", 0, 1) + complet.substr(0, coupe), entrees));
        EXPECT_EQ(entrees.size(), 1u);  // the whole record before the cut is kept
    }
}

TEST(ExtraireArticleStarDict, HorsDuFichierRefuse) {
    const std::string contenu = "0123456789";
    std::string article;
    EXPECT_TRUE(ExtraireArticleStarDict(contenu, {"", 2, 3}, article));
    EXPECT_EQ(article, "234");
    EXPECT_TRUE(ExtraireArticleStarDict(contenu, {"", 10, 0}, article));
    EXPECT_EQ(article, "");
    EXPECT_FALSE(ExtraireArticleStarDict(contenu, {"", 8, 3}, article));
    EXPECT_FALSE(ExtraireArticleStarDict(contenu, {"", 11, 0}, article));
    EXPECT_FALSE(ExtraireArticleStarDict(contenu, {"", 2, 0xFFFFFFFFu}, article));
}

TEST(LireArticlesStarDict, FichierGzipEtFichiersIllisibles) {
    const auto chemin = FichierTemporaire("articles.dict.dz");
    std::string texte;
    for (int i = 0; i < 50000; ++i) texte += "<b>" + std::to_string(i) + "</b>\n";
    gzFile fichier = gzopen(chemin.c_str(), "wb");
    ASSERT_NE(fichier, nullptr);
    ASSERT_EQ(gzwrite(fichier, texte.data(), static_cast<unsigned>(texte.size())), int(texte.size()));
    gzclose(fichier);
    std::string contenu;
    EXPECT_TRUE(LireArticlesStarDict(chemin, contenu));
    EXPECT_EQ(contenu, texte);

    // a truncated archive is an error, not a shorter dictionary
    std::filesystem::resize_file(chemin, std::filesystem::file_size(chemin) / 2);
    EXPECT_FALSE(LireArticlesStarDict(chemin, contenu));
    std::filesystem::remove(chemin);
    EXPECT_FALSE(LireArticlesStarDict(chemin, contenu));
}
