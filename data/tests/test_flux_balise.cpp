#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <map>
#include <string>
#include <vector>

#include "data/FluxBalise.h"

namespace {

using Octets = std::vector<unsigned char>;

Octets Entier32(std::int32_t valeur) {
    const auto v = static_cast<std::uint32_t>(valeur);
    return {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
            static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
}

Octets Concatener(std::initializer_list<Octets> morceaux) {
    Octets tout;
    for (const Octets& morceau : morceaux) tout.insert(tout.end(), morceau.begin(), morceau.end());
    return tout;
}

Octets Texte(const std::string& texte) { return Octets(texte.begin(), texte.end()); }

}  // namespace

TEST(FluxBaliseEcrivain, ScalarsAndTheTrailingZero) {
    FluxBaliseEcrivain flux;
    EXPECT_TRUE(flux.Octets().empty());
    flux.EcrireEntier(-2);
    EXPECT_EQ(flux.Octets(), (Octets{0x04, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}));
    // The next item overwrites the zero; the stream still ends with exactly one.
    flux.EcrireReel(1.0f);
    EXPECT_EQ(flux.Octets(), (Octets{0x04, 0xFE, 0xFF, 0xFF, 0xFF, 0x05, 0x00, 0x00, 0x80, 0x3F, 0x00}));
}

TEST(FluxBaliseEcrivain, StringFormDependsOnLength) {
    struct Cas {
        std::size_t longueur;
        Octets entete;
    };
    const Cas cas[] = {
        {0, {0x0A}},
        {1, {0x0B}},
        {100, {0x6E}},
        {101, Concatener({{0x78}, Entier32(101)})},
        {65535, Concatener({{0x78}, Entier32(65535)})},
        {65536, Concatener({{0x79}, Entier32(65536)})},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.longueur);
        const std::string texte(c.longueur, 'q');
        FluxBaliseEcrivain flux;
        flux.EcrireChaine(texte);
        const Octets attendu = Concatener({c.entete, Texte(texte), {0x00}});
        EXPECT_EQ(flux.Octets(), attendu);
        FluxBaliseLecteur lecteur(flux.Octets().data(), flux.Octets().size());
        std::string lu;
        ASSERT_TRUE(lecteur.LireChaine(lu));
        EXPECT_EQ(lu, texte);
        EXPECT_EQ(lecteur.Reste(), 1u);
    }
}

TEST(FluxBaliseEcrivain, ListAndMapLayout) {
    FluxBaliseEcrivain flux;
    flux.EcrireListe({"ab", ""});
    EXPECT_EQ(flux.Octets(), Concatener({{0x85, 0x79}, Entier32(4 + 6 + 4), Entier32(2), Entier32(2),
                                         Texte("ab"), Entier32(0), {0x00}}));
    FluxBaliseEcrivain table;
    table.EcrireTable({{"k", "vv"}});
    EXPECT_EQ(table.Octets(), Concatener({{0x8F, 0x79, 0x79}, Entier32(4 + 8 + 3), Entier32(1),
                                          Entier32(1), Texte("k"), Entier32(2), Texte("vv"), {0x00}}));
}

TEST(FluxBaliseLecteur, ReadsBackEveryItemInOrder) {
    const std::string longue(70000, '\xE9');
    const std::vector<std::string> liste = {"un", std::string("d\0eux", 5), "", longue};
    const std::map<std::string, std::string> table = {{"genre", "f\xE9minin"}, {"", "vide"}, {"TEST", ""}};
    FluxBaliseEcrivain flux;
    flux.EcrireEntier(123456789);
    flux.EcrireReel(-0.5f);
    flux.EcrireChaine("\xE9l\xE8ve");
    flux.EcrireListe(liste);
    flux.EcrireTable(table);
    flux.EcrireChaine(longue);
    flux.EcrireListe({});
    flux.EcrireTable({});

    FluxBaliseLecteur lecteur(flux.Octets().data(), flux.Octets().size());
    std::int32_t entier = 0;
    float reel = 0;
    std::string chaine, chaineLongue;
    std::vector<std::string> listeLue, listeVide = {"x"};
    std::map<std::string, std::string> tableLue, tableVide = {{"x", "y"}};
    ASSERT_TRUE(lecteur.LireEntier(entier));
    ASSERT_TRUE(lecteur.LireReel(reel));
    ASSERT_TRUE(lecteur.LireChaine(chaine));
    ASSERT_TRUE(lecteur.LireListe(listeLue));
    ASSERT_TRUE(lecteur.LireTable(tableLue));
    ASSERT_TRUE(lecteur.LireChaine(chaineLongue));
    ASSERT_TRUE(lecteur.LireListe(listeVide));
    ASSERT_TRUE(lecteur.LireTable(tableVide));
    EXPECT_EQ(entier, 123456789);
    EXPECT_EQ(reel, -0.5f);
    EXPECT_EQ(chaine, "\xE9l\xE8ve");
    EXPECT_EQ(listeLue, liste);
    EXPECT_EQ(tableLue, table);
    EXPECT_EQ(chaineLongue, longue);
    EXPECT_TRUE(listeVide.empty());
    EXPECT_TRUE(tableVide.empty());
    EXPECT_EQ(lecteur.Reste(), 1u);  // the final zero
    EXPECT_FALSE(lecteur.LireEntier(entier));
}

TEST(FluxBaliseLecteur, AcceptsEitherLongTagForAnyLength) {
    const Octets octets = Concatener({{0x79}, Entier32(2), Texte("ok"), {0x78}, Entier32(0)});
    FluxBaliseLecteur lecteur(octets.data(), octets.size());
    std::string premier, second = "x";
    ASSERT_TRUE(lecteur.LireChaine(premier));
    ASSERT_TRUE(lecteur.LireChaine(second));
    EXPECT_EQ(premier, "ok");
    EXPECT_EQ(second, "");
    EXPECT_EQ(lecteur.Reste(), 0u);
}

// Every bad item fails, leaves the cursor and the value as they were, and the
// reader never looks past the block (each block is allocated to its size).
TEST(FluxBaliseLecteur, BadItemsFailWithoutAdvancing) {
    enum Type { ENTIER, REEL, CHAINE, LISTE, TABLE };
    struct Cas {
        const char* nom;
        Type type;
        Octets octets;
    };
    const Cas cas[] = {
        {"empty block", CHAINE, {}},
        {"truncated integer", ENTIER, {0x04, 0x01, 0x02}},
        {"integer read as real", REEL, Concatener({{0x04}, Entier32(1)})},
        {"real read as integer", ENTIER, {0x05, 0, 0, 0x80, 0x3F}},
        {"truncated real", REEL, {0x05, 0, 0x80}},
        {"unknown string tag", CHAINE, {0x6F, 'a'}},
        {"integer read as string", CHAINE, Concatener({{0x04}, Entier32(1)})},
        {"short string missing bytes", CHAINE, {0x0F, 'a', 'b'}},
        {"short string tag alone at the end", CHAINE, {0x6E}},
        {"negative length", CHAINE, Concatener({{0x78}, Entier32(-1), Texte("abc")})},
        {"length past the end", CHAINE, Concatener({{0x79}, Entier32(4), Texte("abc")})},
        {"truncated length", CHAINE, {0x78, 0x01, 0x00}},
        {"list without second tag", LISTE, Concatener({{0x85, 0x78}, Entier32(4), Entier32(0)})},
        {"list count larger than the data", LISTE,
         Concatener({{0x85, 0x79}, Entier32(0), Entier32(1000000), Entier32(1), Texte("a")})},
        {"list negative count", LISTE, Concatener({{0x85, 0x79}, Entier32(0), Entier32(-3)})},
        {"list element past the end", LISTE,
         Concatener({{0x85, 0x79}, Entier32(0), Entier32(1), Entier32(9), Texte("abcd")})},
        {"list element negative length", LISTE,
         Concatener({{0x85, 0x79}, Entier32(0), Entier32(1), Entier32(-1), Texte("abcd")})},
        {"list missing its count", LISTE, Concatener({{0x85, 0x79}, Entier32(8)})},
        {"map with one tag 0x79", TABLE, Concatener({{0x8F, 0x79}, Entier32(4), Entier32(0)})},
        {"map count larger than the data", TABLE,
         Concatener({{0x8F, 0x79, 0x79}, Entier32(0), Entier32(2), Entier32(1), Texte("k"), Entier32(0)})},
        {"map missing its value", TABLE,
         Concatener({{0x8F, 0x79, 0x79}, Entier32(0), Entier32(1), Entier32(1), Texte("k"), Entier32(1)})},
        {"map negative count", TABLE, Concatener({{0x8F, 0x79, 0x79}, Entier32(0), Entier32(-1)})},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        std::unique_ptr<unsigned char[]> bloc(new unsigned char[c.octets.size() + 1]);
        std::copy(c.octets.begin(), c.octets.end(), bloc.get());
        FluxBaliseLecteur lecteur(bloc.get(), c.octets.size());
        std::int32_t entier = 42;
        float reel = 4.2f;
        std::string chaine = "inchang\xE9";
        std::vector<std::string> liste = {"inchang\xE9"};
        std::map<std::string, std::string> table = {{"inchang\xE9", ""}};
        bool lu = true;
        switch (c.type) {
            case ENTIER: lu = lecteur.LireEntier(entier); break;
            case REEL: lu = lecteur.LireReel(reel); break;
            case CHAINE: lu = lecteur.LireChaine(chaine); break;
            case LISTE: lu = lecteur.LireListe(liste); break;
            case TABLE: lu = lecteur.LireTable(table); break;
        }
        EXPECT_FALSE(lu);
        EXPECT_EQ(lecteur.Position(), 0u);
        EXPECT_EQ(entier, 42);
        EXPECT_EQ(reel, 4.2f);
        EXPECT_EQ(chaine, "inchang\xE9");
        EXPECT_EQ(liste, std::vector<std::string>{"inchang\xE9"});
        EXPECT_EQ(table.size(), 1u);
    }
}

TEST(FluxBaliseLecteur, AFailedReadLeavesTheItemReadable) {
    FluxBaliseEcrivain flux;
    flux.EcrireEntier(7);
    flux.EcrireChaine("suite");
    FluxBaliseLecteur lecteur(flux.Octets().data(), flux.Octets().size());
    std::string chaine;
    std::int32_t entier = 0;
    EXPECT_FALSE(lecteur.LireChaine(chaine));
    EXPECT_TRUE(lecteur.LireEntier(entier));
    EXPECT_EQ(entier, 7);
    EXPECT_TRUE(lecteur.LireChaine(chaine));
    EXPECT_EQ(chaine, "suite");
}

TEST(FluxBaliseLecteur, MapKeysAreOrderedAsUnsignedBytes) {
    FluxBaliseEcrivain flux;
    flux.EcrireTable({{"\xE9t\xE9", "1"}, {"z", "2"}, {"e", "3"}, {"et", "4"}});
    FluxBaliseLecteur lecteur(flux.Octets().data(), flux.Octets().size());
    std::map<std::string, std::string> table;
    ASSERT_TRUE(lecteur.LireTable(table));
    std::vector<std::string> cles;
    for (const auto& paire : table) cles.push_back(paire.first);
    EXPECT_EQ(cles, (std::vector<std::string>{"e", "et", "z", "\xE9t\xE9"}));
}

TEST(FluxBaliseLecteur, RepeatedMapKeyKeepsTheLastText) {
    const Octets octets = Concatener({{0x8F, 0x79, 0x79}, Entier32(0), Entier32(2), Entier32(1), Texte("k"),
                                      Entier32(1), Texte("a"), Entier32(1), Texte("k"), Entier32(1), Texte("b")});
    FluxBaliseLecteur lecteur(octets.data(), octets.size());
    std::map<std::string, std::string> table;
    ASSERT_TRUE(lecteur.LireTable(table));
    EXPECT_EQ(table, (std::map<std::string, std::string>{{"k", "b"}}));
}
