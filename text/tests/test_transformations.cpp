#include <gtest/gtest.h>

#include <string>

#include "text/Transformations.h"
#include "text/tests/Cp1252Essai.h"

namespace {

// Runs the in-place form on a buffer with a guard byte after the terminator,
// and checks that it agrees with the owned-string form.
std::string EnPlace(void (*transformer)(char*), std::string (*surChaine)(const std::string&),
                    const std::string& entree) {
    std::string tampon = entree;
    tampon.push_back('\0');
    tampon.push_back('#');
    transformer(tampon.data());
    EXPECT_EQ(tampon.back(), '#') << "wrote past the terminator";
    const std::string resultat(tampon.c_str());
    EXPECT_EQ(surChaine(entree), resultat);
    return resultat;
}

struct Cas {
    const char* entree;
    const char* attendu;
};

TEST(Minuscules, TablesEntieres) {
    const Cas cas[] = {
        {"", ""},
        {"ÉLÈVE", "élève"},
        {"ÇA VA", "ça va"},
        {"ÀÂÄÙÛÜÎÏÔÖÊË", "àâäùûüîïôöêë"},
        {"Ñ1-Ÿ", "Ñ1-Ÿ"},  // outside the tables: unchanged
        {"ŒIL, ÆSOPE", "œil, æsope"},
        {"déjà", "déjà"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(EnPlace(Minuscules, Minuscules, W(c.entree)), W(c.attendu)) << c.entree;
}

TEST(SansAccents, GardeLaCasse) {
    const Cas cas[] = {
        {"", ""},
        {"Éléphant", "Elephant"},
        {"ÇÀÎÔÛ çàîôû", "CAIOU caiou"},
        {"ñœÿ", "ñœÿ"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(EnPlace(SansAccents, SansAccents, W(c.entree)), W(c.attendu)) << c.entree;
}

TEST(Elaguer, BlancsDesDeuxCotes) {
    const std::string cas[][2] = {
        {"", ""},
        {"\t mot \xA0", "mot"},
        {" \t\r\n\xA0\x89\x8A", ""},
        {"\x89\x8A" "deux mots\r\n", "deux mots"},
        {"mot", "mot"},
        {"  a b  ", "a b"},
        {"x", "x"},
        {" x", "x"},
        {"x ", "x"},
    };
    for (const auto& c : cas) EXPECT_EQ(EnPlace(Elaguer, Elaguer, c[0]), c[1]) << '[' << c[0] << ']';
}

TEST(SurCopie, LeTexteSarreteAuPremierNul) {
    EXPECT_EQ(Minuscules(std::string("AB\0CD", 5)), "ab");
}

TEST(Apostrophes, DoublerPuisSimplifier) {
    const std::string cas[][2] = {
        {"", ""},
        {"l'eau", "l''eau"},
        {"'", "''"},
        {"''", "''''"},
        {"aujourd'hui c'est", "aujourd''hui c''est"},
        {"sans", "sans"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(DoublerApostrophes(c[0]), c[1]);
        EXPECT_EQ(SimplifierApostrophes(c[1]), c[0]);
    }
}

TEST(Apostrophes, SimplifierLesImpairs) {
    EXPECT_EQ(SimplifierApostrophes("'''"), "''");
    EXPECT_EQ(SimplifierApostrophes("a'b"), "a'b");
    EXPECT_EQ(SimplifierApostrophes("a'"), "a'");
}

TEST(FinsDeLigneCRLF, UnCrAvantChaqueLf) {
    const std::string cas[][2] = {
        {"", ""},
        {"a\nb", "a\r\nb"},
        {"\n\n", "\r\n\r\n"},
        {"a\r\nb", "a\r\r\nb"},  // even after an existing CR
        {"sans fin", "sans fin"},
    };
    for (const auto& c : cas) EXPECT_EQ(FinsDeLigneCRLF(c[0]), c[1]);
}

TEST(DeplierLigatures, ChaqueLigatureDevientSesDeuxLettres) {
    const Cas cas[] = {
        {"", ""},
        {"cœur", "coeur"},
        {"Œil-de-bœuf", "OEil-de-boeuf"},
        {"ægide", "aegide"},
        {"ÆSOPE", "AESOPE"},
        {"cœlacanthe, cæcum", "coelacanthe, caecum"},
        {"sans ligature", "sans ligature"},
    };
    for (const auto& c : cas) EXPECT_EQ(DeplierLigatures(W(c.entree)), W(c.attendu)) << c.entree;
}

}  // namespace
