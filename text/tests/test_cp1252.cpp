#include <gtest/gtest.h>

#include <string>

#include "text/Cp1252.h"

namespace {

TEST(Cp1252, TousLesOctetsFontLAllerRetour) {
    std::string tous;
    for (int octet = 1; octet < 256; ++octet) tous += char(octet);
    EXPECT_EQ(Utf8VersCp1252(Cp1252VersUtf8(tous)), tous);
}

TEST(Cp1252, PointsParticuliers) {
    EXPECT_EQ(Cp1252VersUtf8("\x80\x9C\xE9\xFF"), "€œéÿ");
    EXPECT_EQ(Utf8VersCp1252("€œéÿ"), "\x80\x9C\xE9\xFF");
    EXPECT_EQ(OctetCp1252(U'œ'), 0x9C);
    EXPECT_EQ(OctetCp1252(U'é'), 0xE9);
    EXPECT_EQ(OctetCp1252(U'ő'), -1);
    EXPECT_EQ(Utf8VersCp1252("ő"), "?");
    EXPECT_EQ(Utf8VersCp1252("aőb", [](char32_t) { return std::string("o"); }), "aob");
    // Not UTF-8: the byte is taken as it stands.
    EXPECT_EQ(Utf8VersCp1252("\xE9t\xE9"), "\xE9t\xE9");
}

// Words read as code points (the spelling dictionary) are kept only when every
// letter has its byte: a word with one it lacks is left out, not mangled.
TEST(Cp1252, MotEnPointsDeCode) {
    const struct {
        std::u32string points;
        bool converti;
        std::string octets;
    } cas[] = {
        {U"cœur", true, "c\x9C" "ur"},
        {U"été", true, "\xE9t\xE9"},
        {U"", true, ""},
        {U"Łódź", false, ""},
        {std::u32string(U"a\0b", 3), false, ""},
    };
    for (const auto& c : cas) {
        std::string sortie = "ancien";
        EXPECT_EQ(CodePointsVersCp1252(c.points, sortie), c.converti);
        if (c.converti) {
            EXPECT_EQ(sortie, c.octets);
        }
    }
}

}  // namespace
