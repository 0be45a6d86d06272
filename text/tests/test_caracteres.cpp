#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "text/Caracteres.h"
#include "text/tests/Cp1252Essai.h"

namespace {

char C(const char* utf8) {
    const std::string s = W(utf8);
    return s.size() == 1 ? s[0] : '?';
}

TEST(Tables, LongueursEtPartenaires) {
    EXPECT_EQ(std::strlen(TableMinuscules), 43u);
    EXPECT_EQ(std::strlen(TableMajuscules), 43u);
    EXPECT_EQ(std::strlen(TableMajusculesEtendue), 44u);
    EXPECT_EQ(std::strlen(TableLettresDeBase), 44u);
    EXPECT_EQ(std::strlen(TableAccentuees), 30u);
    EXPECT_EQ(std::strlen(TableDesaccentuees), 30u);
    EXPECT_EQ(std::strlen(TableVoyelles), 39u);
    EXPECT_EQ(std::strlen(TableOrdreAlpha), 114u);
    EXPECT_EQ(Cp1252VersUtf8(TableMinuscules), "abcdefghijklmnopqrstuvwxyzéèêëàâäùûüîïôöçœæ");
    EXPECT_EQ(Cp1252VersUtf8(TableMajuscules), "ABCDEFGHIJKLMNOPQRSTUVWXYZÉÈÊËÀÂÄÙÛÜÎÏÔÖÇŒÆ");
    EXPECT_EQ(Cp1252VersUtf8(TableMajusculesEtendue), "ABCDEFGHIJKLMNOPQRSTUVWXYZÉÈÊËÀÂÄÙÛÜÎÏÔÖÇŒÆç");
    EXPECT_EQ(std::string(TableLettresDeBase), "abcdefghijklmnopqrstuvwxyzeeeeaaauuuiioocoac");
    EXPECT_EQ(Cp1252VersUtf8(TableAccentuees), "ÉÈÊËÀÂÄÙÛÜÎÏÔÖÇéèêëàâäùûüîïôöç");
    EXPECT_EQ(Cp1252VersUtf8(TableVoyelles), "AEIOUÉÈÊËÀÂÄÙÛÜÎÏÔÖaeiouyéèêëàâäùûüîïôö");
    EXPECT_EQ(Cp1252VersUtf8(TableOrdreAlpha),
              "AÁÀÂÄÃÆaáàâäãæBbCÇcçDdEÉÈÊËeéèêëFfGgHhIÍÌÎÏiíìîïJjKkLlMmNÑnñOÒÔÖŒoôöœPpQqRrSsTtUÙÛÜuùûü"
              "VvWwXxYyZz0123456789-'./,° ");
}

TEST(Tables, OrdreAlphaSansDoublon) {
    for (std::size_t i = 0; i < 114; ++i)
        EXPECT_EQ(RangAlpha(TableOrdreAlpha[i]), int(i + 1)) << "rang " << i + 1;
}

struct CasCaractere {
    const char* entree;
    const char* minuscule;
    const char* base;  // "" for 0
    const char* sansAccent;
    bool voyelle, majuscule, minusculeTest, alphanumerique;
};

TEST(Caracteres, FonctionsSurUnOctet) {
    const CasCaractere cas[] = {
        {"a", "a", "a", "a", true, false, true, true},
        {"A", "a", "a", "A", true, true, false, true},
        {"É", "é", "e", "E", true, true, false, true},
        {"é", "é", "e", "e", true, false, true, true},
        {"ç", "ç", "c", "c", false, false, true, true},
        {"Ç", "ç", "c", "C", false, true, false, true},
        {"ï", "ï", "i", "i", true, false, true, true},
        {"Ü", "ü", "u", "U", true, true, false, true},
        {"y", "y", "y", "y", true, false, true, true},
        {"Y", "y", "y", "Y", false, true, false, true},
        {"ñ", "ñ", "", "ñ", false, false, false, false},
        {"œ", "œ", "o", "œ", false, false, true, true},
        {"Œ", "œ", "o", "Œ", false, true, false, true},
        {"æ", "æ", "a", "æ", false, false, true, true},
        {"Æ", "æ", "a", "Æ", false, true, false, true},
        {"á", "á", "", "á", false, false, false, false},
        {"5", "5", "", "5", false, false, false, true},
        {"-", "-", "", "-", false, false, false, false},
        {" ", " ", "", " ", false, false, false, false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.entree);
        const char o = C(c.entree);
        EXPECT_EQ(MinusculeCar(o), C(c.minuscule));
        EXPECT_EQ(LettreDeBase(o), *c.base ? C(c.base) : '\0');
        EXPECT_EQ(SansAccentCar(o), C(c.sansAccent));
        EXPECT_EQ(EstVoyelle(o), c.voyelle);
        EXPECT_EQ(EstMajuscule(o), c.majuscule);
        EXPECT_EQ(EstMinuscule(o), c.minusculeTest);
        EXPECT_EQ(EstAlphanumerique(o), c.alphanumerique);
    }
}

TEST(Caracteres, LeNulNestDansAucuneTable) {
    EXPECT_EQ(MinusculeCar('\0'), '\0');
    EXPECT_EQ(LettreDeBase('\0'), '\0');
    EXPECT_FALSE(EstVoyelle('\0'));
    EXPECT_FALSE(EstMajuscule('\0'));
    EXPECT_FALSE(EstMinuscule('\0'));
    EXPECT_EQ(RangAlpha('\0'), 0);
}

TEST(Caracteres, ToutOctetHorsDesTablesResteIntact) {
    for (int octet = 1; octet < 256; ++octet) {
        const char c = char(octet);
        if (!std::strchr(TableMajuscules, c)) {
            EXPECT_EQ(MinusculeCar(c), c) << octet;
        }
        if (!std::strchr(TableAccentuees, c)) {
            EXPECT_EQ(SansAccentCar(c), c) << octet;
        }
        const char base = LettreDeBase(c);
        EXPECT_TRUE(base == '\0' || (base >= 'a' && base <= 'z')) << octet;
    }
}

TEST(Caracteres, Chiffres) {
    for (int octet = 0; octet < 256; ++octet)
        EXPECT_EQ(EstChiffre(char(octet)), octet >= '0' && octet <= '9') << octet;
}

TEST(Caracteres, CarSuperieurSuitLesRangs) {
    EXPECT_FALSE(CarSuperieur('a', 'a'));
    EXPECT_TRUE(CarSuperieur('a', 'A'));
    EXPECT_FALSE(CarSuperieur('A', 'a'));
    EXPECT_TRUE(CarSuperieur(C("é"), 'e'));
    EXPECT_TRUE(CarSuperieur('b', C("ã")));
    EXPECT_TRUE(CarSuperieur(' ', 'z'));   // the last rank
    EXPECT_TRUE(CarSuperieur('A', C("ÿ")));  // absent: rank 0
    // The ligatures rank after the accented forms of their first letter.
    EXPECT_TRUE(CarSuperieur(C("œ"), C("ö")));
    EXPECT_TRUE(CarSuperieur('o', C("Œ")));
    EXPECT_TRUE(CarSuperieur(C("æ"), C("ã")));
    EXPECT_TRUE(CarSuperieur(C("œ"), C("æ")));
    EXPECT_FALSE(CarSuperieur(C("æ"), C("œ")));
}

TEST(Caracteres, SecondeLettreDesLigatures) {
    EXPECT_EQ(SecondeLettreLigature(C("œ")), 'e');
    EXPECT_EQ(SecondeLettreLigature(C("æ")), 'e');
    EXPECT_EQ(SecondeLettreLigature(C("Œ")), 'E');
    EXPECT_EQ(SecondeLettreLigature(C("Æ")), 'E');
    for (int octet = 0; octet < 256; ++octet) {
        const char c = char(octet);
        if (!std::strchr("\x9C\xE6\x8C\xC6", c) || c == '\0') {
            EXPECT_EQ(SecondeLettreLigature(c), '\0') << octet;
        }
    }
}

}  // namespace
