// The dictionary the program embeds, built from the installed sources,
// checked word by word through the program's own lookups.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "data/Dictionnaire.h"
#include "data/IndexFlexions.h"
#include "text/OrdreFrancais.h"

namespace {
class DictionnaireReel : public ::testing::Test {
protected:
    static void SetUpTestSuite() { charge_ = ChargerDictionnaire(); }
    void SetUp() override { ASSERT_TRUE(charge_) << "PWJTHSYUHEKE ne se charge pas"; }
    static bool charge_;
};
bool DictionnaireReel::charge_ = false;

bool CommencePar(const std::string& texte, const std::string& debut) {
    return texte.compare(0, debut.size(), debut) == 0;
}

// A UTF-8 encoded accented letter or typographic sign left undecoded: "Ã©",
// "Â«", "Å“", "â€™", Greek "Î±"... Those byte pairs are not French text in
// Windows-1252.
std::size_t OctetsUtf8(const std::string& texte) {
    for (std::size_t i = 0; i + 1 < texte.size(); ++i) {
        const unsigned char a = static_cast<unsigned char>(texte[i]);
        const unsigned char b = static_cast<unsigned char>(texte[i + 1]);
        const bool suite = b >= 0x80 && b <= 0xBF;
        if (suite && (a == 0xC2 || a == 0xC3 || a == 0xC5 || a == 0xCE || a == 0xCF)) return i;
        if (a == 0xE2 && (b == 0x80 || b == 0x82 || b == 0x84)) return i;
    }
    return std::string::npos;
}

std::vector<const std::string*> Champs(const Article& article) {
    std::vector<const std::string*> champs = {&article.mot, &article.categorie, &article.etymologie,
                                              &article.flexions, &article.synonymes, &article.antonymes};
    for (const auto& [cle, texte] : article.attributs) champs.push_back(&texte);
    for (const Sens& sens : article.sens) {
        champs.push_back(&sens.definition);
        for (const std::string& exemple : sens.exemples) champs.push_back(&exemple);
    }
    return champs;
}
}  // namespace

TEST_F(DictionnaireReel, MaisonCommeLeLittreLaDefinit) {
    const std::vector<Article> articles = TrouverArticles("maison");
    const bool trouve = std::any_of(articles.begin(), articles.end(), [](const Article& a) {
        return !a.sens.empty() && CommencePar(a.sens[0].definition, "B\xE2timent servant de logis");
    });
    EXPECT_TRUE(trouve);
}

TEST_F(DictionnaireReel, HomographesEtVerbes) {
    // FIER (to trust, a verb) and FIER, IÈRE (proud) are two articles.
    const std::vector<Article> fier = TrouverArticles("fier");
    ASSERT_GE(fier.size(), 2u);
    EXPECT_TRUE(std::any_of(fier.begin(), fier.end(),
                            [](const Article& a) { return a.categorie == "VERBE"; }));
    // The adjective, used as a noun too ("faire le fier"), is the one a reader means: it comes first.
    EXPECT_TRUE(CommencePar(fier[0].categorie, "ADJECTIF")) << fier[0].categorie;
    const std::vector<Article> aller = TrouverArticles("aller");
    ASSERT_FALSE(aller.empty());
    EXPECT_EQ(aller[0].categorie, "VERBE");
    EXPECT_GT(aller[0].sens.size(), 20u);
}

TEST_F(DictionnaireReel, FormesFlechiesEtMotsSaisis) {
    const auto lemmes = Lemmes("chevaux");
    ASSERT_TRUE(lemmes.has_value());
    EXPECT_NE(std::find(lemmes->begin(), lemmes->end(), "cheval"), lemmes->end());
    EXPECT_EQ(ResoudreMot("Chat").value_or(""), "chat");
    EXPECT_EQ(ResoudreMot("fr\xE9missante").value_or(""), "fr\xE9missant");
}

TEST_F(DictionnaireReel, MotsModernesEtCommunes) {
    EXPECT_FALSE(TrouverArticles("ordinateur").empty());
    const std::vector<Article> amiens = TrouverArticles("Amiens");
    EXPECT_TRUE(std::any_of(amiens.begin(), amiens.end(), [](const Article& a) {
        return !a.sens.empty() && CommencePar(a.sens[0].definition, "Commune fran\xE7\x61ise");
    }));
}

TEST_F(DictionnaireReel, EtiquetteEtTaille) {
    EXPECT_NE(EtiquetteDonnees().find("Littr\xE9"), std::string::npos) << EtiquetteDonnees();
    EXPECT_GT(NombreArticles(), 70000u);
    EXPECT_GT(DictionnaireCourant().NombreBlocs(), 100u);
}

TEST_F(DictionnaireReel, AucunChampNePorteDeBaliseNiDeTexteUtf8) {
    std::size_t fautes = 0;
    for (const Article& article : TousLesArticles()) {
        for (const std::string* champ : Champs(article)) {
            const bool balise = champ->find('<') != std::string::npos ||
                                champ->find("&amp;") != std::string::npos;
            const bool utf8 = OctetsUtf8(*champ) != std::string::npos;
            if ((balise || utf8) && ++fautes <= 5)
                ADD_FAILURE() << article.mot << (balise ? " : balise dans " : " : UTF-8 dans ")
                              << *champ;
        }
    }
    EXPECT_EQ(fautes, 0u);
}

TEST_F(DictionnaireReel, OrdreFrancaisEtHomonymesAdjacents) {
    const std::vector<Article> articles = TousLesArticles();
    ASSERT_EQ(articles.size(), NombreArticles());
    for (std::size_t i = 1; i < articles.size(); ++i)
        ASSERT_FALSE(MotSuperieur(articles[i - 1].mot, articles[i].mot))
            << articles[i - 1].mot << " / " << articles[i].mot;
    // every article of a word is found, whatever the binary search meets first
    for (std::size_t i = 0; i < articles.size(); i += 997) {
        const std::vector<Article> trouves = TrouverArticles(articles[i].mot);
        EXPECT_EQ(trouves.size(), TrouverArticlesSequentiel(articles[i].mot).size()) << articles[i].mot;
    }
}
