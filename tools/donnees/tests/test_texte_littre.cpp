#include <gtest/gtest.h>

#include <string>

#include "tools/donnees/TexteLittre.h"
#include "tools/donnees/Translitteration.h"

namespace {
bool ContientOctetsUtf8(const std::string& texte) {
    for (std::size_t i = 0; i + 1 < texte.size(); ++i) {
        const unsigned char a = static_cast<unsigned char>(texte[i]);
        const unsigned char b = static_cast<unsigned char>(texte[i + 1]);
        if (a >= 0xC2 && a <= 0xF4 && b >= 0x80 && b <= 0xBF) return true;
    }
    return false;
}
}  // namespace

TEST(TexteSansBalises, RetireLesElementsEtNormaliseLesBlancs) {
    struct Cas {
        const char* balise;
        const char* texte;
    } const cas[] = {
        {"<span foreground=\"#0000CD\">Le chat</span>, <b>1\xB0</b>", "Le chat, 1\xB0"},
        {"  <i>Fig.</i>\n   et   familier ", "Fig. et familier"},
        {"a &amp; b &quot;c&quot; &apos;d&apos;", "a & b \"c\" 'd'"},
        {"x &lt;y&gt; z", "x \x8By\x9B z"},
        {"&#233;t&#xE9;", "\xE9t\xE9"},
        {"3 < 4 et 5 > 2", "3 \x8B 4 et 5 \x9B 2"},
        {"un &bidule; &", "un &bidule; &"},
        {"<b><big>HISTORIQUE</big></b>", "HISTORIQUE"},
        {"Familier et populaire.<b>S'EN ALLER.</b>", "Familier et populaire. S'EN ALLER."},
        {"<b>1.</b>, <i>Fig.</i>.", "1., Fig.."},
        {"", ""},
    };
    for (const Cas& c : cas) EXPECT_EQ(TexteSansBalises(c.balise), c.texte) << c.balise;
}

TEST(TexteSansBalises, AucunChevronNeSurvit) {
    for (const char* balise : {"<", ">", "a<b", "<<i>>", "&#60;", "&#62;", "</"}) {
        const std::string texte = TexteSansBalises(balise);
        EXPECT_EQ(texte.find('<'), std::string::npos) << balise;
        EXPECT_EQ(texte.find('>'), std::string::npos) << balise;
    }
}

TEST(EnMinuscules, ToutesLesCapitalesFrancaises) {
    EXPECT_EQ(EnMinuscules("FR\xC9MISSANT"), "fr\xE9missant");
    EXPECT_EQ(EnMinuscules("\x8C\x49L \xC0 \xC7\xC0 \xDB\xCE"), "\x9C\x69l \xE0 \xE7\xE0 \xFB\xEE");
    EXPECT_EQ(EnMinuscules("S'ENTR'AIDER 1-2 \xD7"), "s'entr'aider 1-2 \xD7");
}

TEST(CleOrdreLittre, LettresDeBaseEnCapitales) {
    EXPECT_EQ(CleOrdreLittre("\xC0 L'ENCONTRE"), "ALENCONTRE");
    EXPECT_EQ(CleOrdreLittre("\x8C\x49L-DE-B\x9C\x55\x46"), "OEILDEBOEUF");
    EXPECT_EQ(CleOrdreLittre("fr\xE9missant"), "FREMISSANT");
    EXPECT_EQ(CleOrdreLittre("-"), "");
}

TEST(Translitteration, GrecEnLettresLatines) {
    // λόγος, φιλοσοφία, ψυχή, Ω
    EXPECT_EQ(SourceVersCp1252("\xCE\xBB\xCF\x8C\xCE\xB3\xCE\xBF\xCF\x82"), "logos");
    EXPECT_EQ(SourceVersCp1252("\xCF\x86\xCE\xB9\xCE\xBB\xCE\xBF\xCF\x83\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1"),
              "philosophia");
    EXPECT_EQ(SourceVersCp1252("\xCF\x88\xCF\x85\xCF\x87\xCE\xAE"), "psych\xEA");
    EXPECT_EQ(SourceVersCp1252("\xCE\xA9"), "\xD4");
}

TEST(Translitteration, SignesEtLettresAccentuees) {
    struct Cas {
        const char* utf8;
        const char* cp1252;
    } const cas[] = {
        {"\xC3\xA9l\xC3\xA8ve", "\xE9l\xE8ve"},          // élève: native
        {"\xC5\x93uvre \xE2\x80\x94 \xE2\x80\xA6", "\x9Cuvre \x97 \x85"},  // œuvre — …
        {"\xC4\x81\xC4\x8D\xC5\x99", "acr"},             // ā č ř lose their diacritic
        {"a\xE2\x88\x92\x62", "a-b"},                     // minus sign
        {"e\xCC\x81", "e"},                               // combining acute dropped
        {"\xE2\x86\x92", "->"},
        {"\xE4\xB8\xAD", "?"},                            // no sensible replacement
    };
    for (const Cas& c : cas) {
        const std::string texte = SourceVersCp1252(c.utf8);
        EXPECT_EQ(texte, c.cp1252) << c.utf8;
        EXPECT_FALSE(ContientOctetsUtf8(texte)) << c.utf8;
    }
}
