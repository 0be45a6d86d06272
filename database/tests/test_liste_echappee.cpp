#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <vector>

#include "database/ListeEchappee.h"

namespace {

using Liste = std::vector<std::string>;

TEST(ListeEchappeeTest, ReadsItemsWithEscapesAndSeparators) {
    const struct {
        std::string texte;
        Liste attendue;
    } cas[] = {
        {"\\#a\\#b#c#", {"a#b", "c"}},
        {"\\#a##", {"a", ""}},
        {"\\#a#b", {"a", "b"}},        // no closing separator: the last item is kept
        {"\\#a#b\\", {"a", "b"}},      // an escape at the very end stops the scan
        {"\\#a#\\", {"a"}},            // nothing added after the separator
        {"\\##", {""}},
        {"\\#", {}},
        {"\\", {}},
        {"", {}},
        {"ab", {}},                    // shorter than three characters
        {"/;x;y/;z;", {"x", "y;z"}},   // escape and separator are the text's own
        {"\\#a\\\\b#", {"a\\b"}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        EXPECT_EQ(LireListeEchappee(c.texte), c.attendue);
    }
}

TEST(ListeEchappeeTest, WritesWithBackslashAndHashAndReadsBack) {
    EXPECT_EQ(EcrireListeEchappee({}), "\\#");
    EXPECT_EQ(EcrireListeEchappee({"a#b", "c"}), "\\#a\\#b#c#");
    EXPECT_EQ(EcrireListeEchappee({"a\\b", ""}), "\\#a\\\\b##");
    const Liste listes[] = {{"un", "deux"}, {"#", "\\", "\\#", ""}, {"\xE9l\xE8ve", "l'eau"}, {""}};
    for (const Liste& liste : listes) EXPECT_EQ(LireListeEchappee(EcrireListeEchappee(liste)), liste);
}

TEST(ListeEchappeeTest, ReadsIntegersLikeAtoi) {
    EXPECT_EQ(LireEntiersEchappes("\\#12#  -7#+3x#abc##4 5#"), (std::vector<int>{12, -7, 3, 0, 0, 4}));
    EXPECT_EQ(LireEntiersEchappes("\\#99999999999#-99999999999#"), (std::vector<int>{INT_MAX, INT_MIN}));
    EXPECT_EQ(LireEntiersEchappes("\\#"), std::vector<int>{});
}

TEST(ListeEchappeeTest, PairsAreOrderedByBytesLastValueWinsOddItemIgnored) {
    const std::map<std::string, std::string> lues = LirePairesEchappees("\\#b#1#a#2#\xE9#3#b#4#seul#");
    EXPECT_EQ(lues, (std::map<std::string, std::string>{{"a", "2"}, {"b", "4"}, {"\xE9", "3"}}));
    EXPECT_EQ(EcrirePairesEchappees(lues), "\\#a#2#b#4#\xE9#3#");
    EXPECT_EQ(EcrirePairesEchappees({}), "\\#");
    const std::map<std::string, std::string> speciales{{"c#l\\e", "v#"}, {"", "vide"}};
    EXPECT_EQ(LirePairesEchappees(EcrirePairesEchappees(speciales)), speciales);
}

}  // namespace
