#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "tools/donnees/TexteConjugaison.h"
#include "tools/donnees/Verbiste.h"

namespace {

class TexteConjugaisonReel : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        verbes_ = new std::vector<FormesVerbe>;
        ChargerVerbiste("/usr/share/verbiste-0.1/verbs-fr.xml", "/usr/share/verbiste-0.1/conjugation-fr.xml", *verbes_);
    }
    static void TearDownTestSuite() { delete verbes_; }

    static const FormesVerbe* Verbe(const std::string& infinitif) {
        for (const FormesVerbe& verbe : *verbes_)
            if (verbe.infinitif == infinitif) return &verbe;
        return nullptr;
    }
    static std::string Texte(const std::string& infinitif) {
        const FormesVerbe* verbe = Verbe(infinitif);
        const FormesVerbe* avoir = Verbe("avoir");
        const FormesVerbe* etre = Verbe("\xEAtre");
        if (!verbe || !avoir || !etre) return "";
        return TexteConjugaison(*verbe, *avoir, *etre);
    }
    static std::vector<FormesVerbe>* verbes_;
};
std::vector<FormesVerbe>* TexteConjugaisonReel::verbes_ = nullptr;

struct Attendu {
    const char* verbe;
    std::vector<std::string> present;  // Windows-1252 pieces the text must contain
    std::vector<std::string> absent;   // and must not
};

TEST_F(TexteConjugaisonReel, ContainsTheFormsWithPronounsAndAuxiliary) {
    const Attendu cas[] = {
        {"finir",
         {"Verbe : finir ", "Auxiliaire : avoir\n", "nous finissons", "j'ai fini", "ils ont fini", "que je finisse",
          "qu'ils finissent", "que j'aie fini", "j'eus fini", "j'aurais fini", "finissez", "aie fini", "avoir fini",
          "ayant fini", "finissant", "fini, finis, finie, finies", "INDICATIF\n", "CONDITIONNEL ", "SUBJONCTIF\n",
          "IMP\xC9RATIF\n", "Pass\xE9 ant\xE9rieur", "Plus-que-parfait", "tu finiras", "il finit"},
         {"je ai", "que il"}},
        {"aller",
         {"Auxiliaire : \xEAtre\n", "je suis all\xE9 ", "nous sommes all\xE9s", "ils all\xE8rent",
          "je vais", "qu'ils aillent", "j'\xE9tais all\xE9", "sois all\xE9", "soyons all\xE9s", "\xEAtre all\xE9",
          "\xE9tant all\xE9", "j'irai"},
         {"j'ai all\xE9", "je suis all\xE9s"}},
        {"aimer", {"j'aime", "nous aimions", "j'aimai", "que j'aimasse"}, {"je aime"}},
        {"ha\xEFr", {"je hais", "je ha\xEFssais", "j'ai ha\xEF"}, {"j'hais"}},
        {"habiter", {"j'habite", "j'habitais"}, {"je habite"}},
        {"\xEAtre", {"je suis", "j'ai \xE9t\xE9", "Auxiliaire : avoir"}, {}},
        {"payer", {"je paie / paye"}, {}},
        {"absenter",
         {"Verbe : s'absenter ", "Auxiliaire : \xEAtre (verbe pronominal)", "je m'absente", "nous nous absentons",
          "il s'absente", "je me suis absent\xE9", "tu t'es absent\xE9", "nous nous sommes absent\xE9s",
          "que je m'absente", "qu'il s'absente", "absente-toi", "absentez-vous", "s'\xEAtre absent\xE9",
          "s'absentant", "absente-toi\n"},
         {"   soyez absent", "j'absente", "aie absent"}},
        {"m\xE9" "fier", {"je me m\xE9" "fie", "se m\xE9" "fier", "je me suis m\xE9" "fi\xE9"}, {}},
        {"falloir", {"il faut", "il a fallu", "qu'il faille", "il fallut"}, {"je ", "tu ", "nous ", "IMP\xC9RATIF", "Participe pr\xE9sent"}},
    };
    for (const Attendu& c : cas) {
        SCOPED_TRACE(c.verbe);
        const std::string texte = Texte(c.verbe);
        ASSERT_FALSE(texte.empty());
        for (const std::string& morceau : c.present) EXPECT_NE(texte.find(morceau), std::string::npos) << morceau;
        for (const std::string& morceau : c.absent) EXPECT_EQ(texte.find(morceau), std::string::npos) << morceau;
    }
}

TEST_F(TexteConjugaisonReel, ColumnsLineUpUnderTheirTitles) {
    const std::string texte = Texte("finir");
    std::istringstream lignes(texte);
    std::string ligne, titres;
    bool suivante = false;
    std::vector<std::string> rangees;
    while (std::getline(lignes, ligne)) {
        if (suivante && rangees.size() < 6) rangees.push_back(ligne);
        if (ligne.rfind("Pr\xE9sent", 0) == 0 && ligne.find("Imparfait") != std::string::npos && titres.empty()) {
            titres = ligne;
            suivante = true;
        }
    }
    // A common verb's whole table fits the window's height.
    EXPECT_LE(std::count(texte.begin(), texte.end(), '\n'), 44);
    ASSERT_FALSE(titres.empty());
    ASSERT_EQ(rangees.size(), 6u);
    const std::size_t imparfait = titres.find("Imparfait");
    const std::size_t futur = titres.find("Futur simple");
    EXPECT_EQ(rangees[0].find("je finissais"), imparfait);
    EXPECT_EQ(rangees[3].find("nous finissions"), imparfait);
    EXPECT_EQ(rangees[5].find("ils finiront"), futur);
}

TEST_F(TexteConjugaisonReel, EveryVerbFitsTheWindowLimits) {
    ASSERT_GT(verbes_->size(), 6900u);
    std::size_t plusLong = 0;
    for (const FormesVerbe& verbe : *verbes_) {
        const std::string texte = TexteConjugaison(verbe, *Verbe("avoir"), *Verbe("\xEAtre"));
        plusLong = std::max(plusLong, texte.size());
        ASSERT_LE(texte.size(), TAILLE_MAX_TEXTE_CONJUGAISON) << verbe.infinitif;
        ASSERT_EQ(texte.find('\0'), std::string::npos) << verbe.infinitif;
        ASSERT_EQ(texte.find(" \n"), std::string::npos) << verbe.infinitif;  // no trailing blanks
        ASSERT_EQ(texte.find('\r'), std::string::npos) << verbe.infinitif;
        ASSERT_NE(texte.find("Verbe : "), std::string::npos) << verbe.infinitif;
        std::istringstream lignes(texte);
        for (std::string ligne; std::getline(lignes, ligne);)
            ASSERT_LE(ligne.size(), 140u) << verbe.infinitif << ": " << ligne;  // the window's width
    }
    EXPECT_GT(plusLong, 1000u);
}

TEST(TexteConjugaisonTest, AuxiliaryLists) {
    for (const char* verbe : {"aller", "venir", "na\xEEtre", "mourir", "tomber", "d\xE9" "c\xE9" "der", "\xE9" "clore"})
        EXPECT_TRUE(PrendEtre(verbe)) << verbe;
    for (const char* verbe : {"finir", "avoir", "\xEAtre", "aimer", "Aller", "aller "})
        EXPECT_FALSE(PrendEtre(verbe)) << verbe;
    EXPECT_TRUE(EstEssentiellementPronominal("absenter"));
    EXPECT_TRUE(EstEssentiellementPronominal("\xE9vanouir"));
    EXPECT_FALSE(EstEssentiellementPronominal("laver"));
}

}  // namespace
